#pragma once
// The fully bracketed prefix form that table matching works on.
#include "ExpressionText.h"

// 2*x+3 gives +(*(2 x) 3); x^0 gives 1; a minus before a sum becomes a
// product with -1. Characters after the readable part are ignored; an
// unreadable factor sets ErrorFlag with a message.
ExpressionText ToPrefixForm(const ExpressionText& text);

#pragma once
// Candidates for the inner function t = g(x) of a substitution.
#include <cstdint>

#include "ExpressionText.h"

// sub := candidate number k (from 0) of expr, in the order a reader of the
// notation completes them: every complete sum (also inside brackets), every
// factor and partial product, every atomic base of a power; each text that
// contains x, is not x itself and is not the whole expression. Empty when
// there are not that many. Blanks and capitals are ignored. An unreadable
// text is reported ("Fejl i funktionsudtryk: ", "Mangler \")\" ...").
void FindInnerFunction(std::uint8_t k, const ExpressionText& expr, ExpressionText& sub);

#pragma once
// Connects a main window to its graph window: "Graf > Vis graf" opens one
// graph window beside the main window (never modal; closing only hides it),
// and the open graph window follows what the current page has computed.
class TKvadrixForm;
class TGraphForm;

void LinkGraphWindow(TKvadrixForm& window);

// The window's graph window, nullptr until first opened.
TGraphForm* GraphWindowOf(const TKvadrixForm& window);

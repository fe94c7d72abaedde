#pragma once
// The Rules entry of the Game menu.

namespace orvento {

// Opens default.htm from the program folder in the desktop's viewer for HTML
// pages and returns at once. A missing page does nothing.
void apriRegole();

} // namespace orvento

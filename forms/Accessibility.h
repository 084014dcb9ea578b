#pragma once

namespace soranika {

// Tells screen readers what the kit's windows and links are: a window made by SetUpFixedWindow
// is a window named by its title (not an anonymous filler), a LinkLabel a link that can be
// pressed. Call once, before the first window is made.
void InstallAccessibility();

} // namespace soranika

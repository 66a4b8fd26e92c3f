#pragma once

namespace halvora {

class PageNavigator;
class PageWindow;

// The first window and the only one that lives for the whole run.
namespace MainMenu {

inline constexpr auto pageId = "frmAAMenu";

// Builds the main menu, reads the display setting, applies it and shows the menu.
PageWindow *start(PageNavigator &navigator);

} // namespace MainMenu
} // namespace halvora

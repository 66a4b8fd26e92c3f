#pragma once

namespace halvora {

class PageNavigator;

// The display setting: "Maximize Screen", "Center Screen" and "Remove Program".
namespace SettingsWindow {

void registerWith(PageNavigator &navigator);

} // namespace SettingsWindow
} // namespace halvora

// What a screen reader is told of the main window: that the window is a frame, each
// control's name, the log's rows as sentences, and which captions name a display and are not
// read again. The builder names the controls as it makes them.
#pragma once

namespace game {

class TfMain;

class ReaderNames {
public:
    static void nameGamePanelAndLog(TfMain& window);
    static void nameOptionsPanel(TfMain& window);
};

} // namespace game

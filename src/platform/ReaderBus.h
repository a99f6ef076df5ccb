// The session bus through which Qt's AT-SPI bridge finds the accessibility bus. The bridge
// comes up with the first accessibility update (the first label's text), and would make the
// window's start-up wait there while Qt connects to the bus; connected ahead, on a thread of
// its own, the bus is ready or nearly so when the bridge asks for it.
#pragma once

namespace platform {

// Starts connecting; once the application object stands (Qt's bus connections need it), before
// any window is built. The application object waits for the connection as it ends. Does
// nothing where there is no AT-SPI bridge (Windows).
void startConnectingReaderBus();

} // namespace platform

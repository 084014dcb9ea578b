#pragma once

namespace soranika {

class AddressOpener;
class Clock;
class ColourDialog;
class MessageBoxes;
class Printing;
class ProgramFolder;
class SettingsStore;
class SingleInstance;
class TextViewer;

// Everything the program's commands reach outside the program through. The program passes the
// real adaptors; the tests pass stand-ins.
struct Platform {
    Clock& clock;
    SettingsStore& settings;
    SingleInstance& instance;
    ProgramFolder& folder;
    MessageBoxes& messages;
    ColourDialog& colours;
    Printing& printing;
    TextViewer& textViewer;
    AddressOpener& addresses;
};

} // namespace soranika

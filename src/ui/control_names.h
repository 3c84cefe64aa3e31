#pragma once
// The names of the window's single controls that more than one part of the program reaches: the
// builders give a control its name from here, and the binding, the handlers and the tests find it by
// the same constant, so a name is written once. Rows of controls (sliders, panes, band columns,
// buttons of a row) are named by the page tables instead.

#include <array>

namespace ControlName {

// Hidden helpers: the placeholder edit that stands for "no control", the template button whose
// pictures the page buttons and radio groups borrow, the hidden band frequency slider and button,
// and the six mode-image templates (on and off looks of PEQ, LSEQ, HSEQ).
inline constexpr char Example[] = "Example";
inline constexpr char ExampleBtn[] = "ExampleBtn";
inline constexpr char MusEQTrackBar1[] = "MusEQTrackBar1";
inline constexpr char MusEQBmpBtn1[] = "MusEQBmpBtn1";
inline constexpr char RzGroupBox10[] = "RzGroupBox10";
inline constexpr std::array<const char*, 3> ModeOnImages{"PEQ_ONImage", "LSQ_ONImage", "HSQ_ONImage"};
inline constexpr std::array<const char*, 3> ModeOffImages{"PEQ_OFFImage", "LSQ_OFFImage", "HSQ_OFFImage"};

// The window's regions.
inline constexpr char TopTileGrop[] = "TopTileGrop";
inline constexpr char MUSBarBox[] = "MUSBarBox";
inline constexpr char FormPageItem[] = "FormPageItem";
inline constexpr char AdvPanel1[] = "AdvPanel1";
inline constexpr char AdvPanel2[] = "AdvPanel2";
inline constexpr char Image1[] = "Image1";
inline constexpr char EQCotrolGrop[] = "EQCotrolGrop";
inline constexpr char COMEQlabel[] = "COMEQlabel";
inline constexpr char SingleDiscoGrop[] = "SingleDiscoGrop";
inline constexpr char EQlabel[] = "EQlabel";
inline constexpr char EQPassLabel[] = "EQPassLabel";
inline constexpr char MicPanScrollBar[] = "MicPanScrollBar";

// The link's status texts and port list.
inline constexpr char LinkLabel[] = "LinkLabel";
inline constexpr char DeviceIDLabel[] = "DeviceIDLabel";
inline constexpr char ComComboBox1[] = "ComComboBox1";

// The System page and the lock panel.
inline constexpr char SysPassEdit[] = "SysPassEdit";
inline constexpr char RzBmpButton118[] = "RzBmpButton118";  // "OK" beside the system password
inline constexpr char SysUserMangerGrop[] = "SysUserMangerGrop";
inline constexpr char RzBmpButton121[] = "RzBmpButton121";  // "Call Equipment Mode"
inline constexpr char RzBmpButton138[] = "RzBmpButton138";  // "Save Equipment Mode"
inline constexpr char PresetModeEdit[] = "PresetModeEdit";
inline constexpr char CurrentModeLabel[] = "CurrentModeLabel";
inline constexpr char FirstCheckGrop[] = "FirstCheckGrop";
inline constexpr char PanelPassWordEdit[] = "PanelPassWordEdit";
inline constexpr char RzBmpButton4[] = "RzBmpButton4";  // "OK" of the lock panel

// The mode-file library of the System page.
inline constexpr char FileEdit[] = "FileEdit";
inline constexpr char RzBmpButton120[] = "RzBmpButton120";  // "Save date in PC"
inline constexpr char RzBmpButton119[] = "RzBmpButton119";  // "Upload date to Equipment"
inline constexpr char ValueListEditor1[] = "ValueListEditor1";

// Beyond the device's own panel: undo and redo of the user's edits, and whether they are on the
// device.
inline constexpr char UndoBtn[] = "UndoBtn";
inline constexpr char RedoBtn[] = "RedoBtn";
inline constexpr char SyncStateLabel[] = "SyncStateLabel";

}  // namespace ControlName

// The mode-file library of the System page on the real window: the list, picking a name, saving with
// the overwrite question, loading with its confirmation and upload, and the names and files that are
// refused.

#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include "../binding/panel_fixture.h"
#include "bmp_button.h"
#include "diagnostic_log.h"
#include "edit.h"
#include "link_texts.h"
#include "mode_file.h"
#include "mode_folders.h"
#include "mode_library.h"
#include "mode_line.h"
#include "startup_state.h"
#include "system_addresses.h"
#include "track_bar.h"
#include "value_list.h"

namespace {

namespace fs = std::filesystem;

class ModeLibraryPanelTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    C<BmpButton>("FormTabBtn8")->Click();
    modeFolders.ModeFolder = fs::path(temp.path().toStdString()) / "DSP MODE";
    fs::create_directories(modeFolders.ModeFolder);
    list = C<ValueList>("ValueListEditor1");
    field = C<Edit>("FileEdit");
    saveButton = C<BmpButton>("RzBmpButton120");
    loadButton = C<BmpButton>("RzBmpButton119");
    before = paramImage.DeviceTable;
  }

  static fs::path File(const std::string& fileName) { return modeFolders.ModeFolder / fileName; }
  static void Put(const std::string& fileName, const std::string& bytes) {
    std::ofstream(File(fileName), std::ios::binary) << bytes;
  }
  static std::string Get(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // A saved set whose every cell of channels 0..8 holds a different value.
  static DeviceTableCells Patterned(int seed) {
    DeviceTableCells table{};
    for (int c = 0; c <= ModeFileLastChannel; ++c)
      for (int j = 0; j <= ModeLastColumn(c); ++j) table[c][j] = (seed * 7919 + c * 1009 + j * 31) % 65536;
    return table;
  }
  static std::string FileOf(const DeviceTableCells& table) { return EncodeModeFile(ModeFileContentOf(table)); }
  std::vector<QString> Rows() const {
    std::vector<QString> rows;
    for (int r = 0; r < list->RowCount(); ++r) rows.push_back(list->Key(r) + QLatin1Char('=') + list->Value(r));
    return rows;
  }
  void Save(const QString& name) {
    field->SetText(name);
    saveButton->Click();
  }
  void Load(const QString& name) {
    field->SetText(name);
    loadButton->Click();
  }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& s : shown.shown) texts.push_back(s.caption + ": " + s.text);
    shown.shown.clear();
    return texts;
  }

  QTemporaryDir temp;
  ValueList* list = nullptr;
  Edit* field = nullptr;
  BmpButton* saveButton = nullptr;
  BmpButton* loadButton = nullptr;
  DeviceTableCells before{};  // the image the window starts with
};

TEST_F(ModeLibraryPanelTest, TheListShowsTheFolderSortedWithoutExtensionsKeyedFromZero) {
  for (const char* name : {"live.Nddt", "Zoo.Nddt", "a.b.Nddt", "x.Nddt1", "Alpha.NDDT", "notes.txt"}) Put(name, "");
  fs::create_directory(File("Folder.Nddt"));
  form->RefreshModeList();
  EXPECT_EQ(Rows(), (std::vector<QString>{"0=a.b", "1=Alpha", "2=live", "3=x.Nddt1", "4=Zoo"}));
  EXPECT_EQ(modeFolders.ModeFileNames, (std::vector<std::string>{"a.b", "Alpha", "live", "x.Nddt1", "Zoo"}));
  EXPECT_EQ(field->Text(), QStringLiteral("a.b"));
  EXPECT_EQ(list->toolTip().toStdString(), modeFolders.ModeFolder.string());

  // A row picked shows its name as it is; typing in the list changes nothing.
  list->SetRow(4);
  list->OnClick(*list);
  EXPECT_EQ(field->Text(), QStringLiteral("x.Nddt1"));
  QTest::keyClicks(list, QStringLiteral("abc"));
  EXPECT_EQ(Rows().size(), 5u);
  EXPECT_EQ(list->Value(3), QStringLiteral("x.Nddt1"));
}

TEST_F(ModeLibraryPanelTest, PickingARowPutsItsNameInTheFieldWithTheFocusOnceShown) {
  Put("Song.v1.2.Nddt", "");
  form->RefreshModeList();
  field->clear();
  list->SetRow(1);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0, 1)).center());
  EXPECT_EQ(field->Text(), QStringLiteral("Song.v1.2"));
  EXPECT_EQ(form->focusWidget(), field);
}

TEST_F(ModeLibraryPanelTest, SavingWritesTheDeviceSetAndListsItUnderItsName) {
  paramImage.DeviceTable = Patterned(1);
  Save(QStringLiteral("Song.v1.2"));
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_EQ(Get(File("Song.v1.2.Nddt")), FileOf(Patterned(1)));
  EXPECT_EQ(Rows(), (std::vector<QString>{"0=Song.v1.2"}));
  EXPECT_EQ(field->Text(), QStringLiteral("Song.v1.2"));
  EXPECT_EQ(list->Row(), 1);
  EXPECT_TRUE(Sends().empty());
}

TEST_F(ModeLibraryPanelTest, AnExistingFileIsReplacedOnlyAfterOk) {
  Put("Live.Nddt", "old");
  form->RefreshModeList();
  Put("Late.Nddt", "old");  // put there by another program after the list was read
  paramImage.DeviceTable = Patterned(2);
  for (const char* name : {"Live", "Late"}) {
    SCOPED_TRACE(name);
    const fs::path file = File(std::string(name) + ".Nddt");
    shown.answers = {DialogAnswer::Cancel};
    Save(QString::fromLatin1(name));
    ASSERT_EQ(shown.shown.size(), 1u);
    EXPECT_EQ(shown.shown[0].caption, "*prompt*");
    EXPECT_EQ(shown.shown[0].text, "File already exists, overwrite it?");
    EXPECT_EQ(shown.shown[0].buttons, DialogButtons::OkCancel);
    EXPECT_EQ(Get(file), "old");
    shown.shown.clear();

    Save(QString::fromLatin1(name));
    EXPECT_EQ(shown.shown.size(), 1u);
    EXPECT_EQ(Get(file), FileOf(Patterned(2)));
    shown.shown.clear();
  }
  EXPECT_EQ(Rows(), (std::vector<QString>{"0=Late", "1=Live"}));
}

TEST_F(ModeLibraryPanelTest, ANameDifferentOnlyInLetterCaseIsANewFile) {
  Put("Live.Nddt", "old");
  form->RefreshModeList();
  Save(QStringLiteral("live"));
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_EQ(Get(File("Live.Nddt")), "old");
  EXPECT_TRUE(fs::exists(File("live.Nddt")));
}

TEST_F(ModeLibraryPanelTest, NamesThatWouldLeaveTheFolderAreRefusedForSaveAndLoad) {
  const fs::path outside = fs::path(temp.path().toStdString());
  Put("x.Nddt", FileOf(Patterned(3)));
  for (const QString& name : {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral(".."), QStringLiteral("a\\b"),
                              QStringLiteral("   "), QStringLiteral("a\tb"), QString(300, QLatin1Char('n'))}) {
    SCOPED_TRACE(name.toStdString());
    Save(name);
    Load(name);
    const std::vector<std::string> messages = Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], messages[1]);
    EXPECT_TRUE(messages[0].starts_with("prompt: ")) << messages[0];
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(outside), fs::directory_iterator()), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(modeFolders.ModeFolder), fs::directory_iterator()), 1);
  EXPECT_EQ(paramImage.DeviceTable, before);
}

TEST_F(ModeLibraryPanelTest, AnEmptyNameSavesAndLoadsNothing) {
  Save(QString());
  Load(QString());
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_TRUE(fs::is_empty(modeFolders.ModeFolder));
}

TEST_F(ModeLibraryPanelTest, AFolderThatCannotTakeTheFileSaysWhyAndKeepsTheList) {
  Put("Live.Nddt", "");
  form->RefreshModeList();
  fs::remove_all(modeFolders.ModeFolder);
  Save(QStringLiteral("New"));
  const std::vector<std::string> messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].starts_with(std::string(ApplicationTitle) + ": Mode file: cannot write")) << messages[0];
  EXPECT_EQ(Rows(), (std::vector<QString>{"0=Live"}));
}

TEST_F(ModeLibraryPanelTest, LoadingAsksAndOnlyYesLoadsAndUploads) {
  Put("Live.Nddt", FileOf(Patterned(4)));
  shown.answers = {DialogAnswer::No};
  Load(QStringLiteral("Live"));
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].caption, "Confirm");
  EXPECT_EQ(shown.shown[0].text, "Load Mode：Live ?");
  EXPECT_EQ(shown.shown[0].buttons, DialogButtons::YesNo);
  EXPECT_EQ(paramImage.DeviceTable, before);
  EXPECT_TRUE(port.writes.empty());
  shown.shown.clear();

  Load(QStringLiteral("Live"));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Confirm: Load Mode：Live ?"});
  EXPECT_EQ(paramImage.DeviceTable, Patterned(4));
  // The upload of channel 0 leaves at once; the stepper sends the others.
  ASSERT_EQ(port.writes.size(), 1u);
  EXPECT_EQ(port.writes[0][4] << 8 | port.writes[0][5], ChannelUploadAddress);
  EXPECT_EQ(linkTexts.LinkLabel, "Download...");
  // The diagnostic log lists what the load applied: 513 cells, in file order.
  ASSERT_EQ(Memo2.lines.size(), 513u);
  EXPECT_EQ(Memo2.lines.front(), "0 " + std::to_string(Patterned(4)[0][0]));
  EXPECT_EQ(Memo2.lines.back(), std::to_string(0x0835) + " " + std::to_string(Patterned(4)[8][53]));
}

TEST_F(ModeLibraryPanelTest, WithoutALinkALoadFillsTheImageAndSendsNothing) {
  sendState.LinkState = 0;
  Put("Live.Nddt", FileOf(Patterned(5)));
  const int shownLevel = C<TrackBar>("MainMusLevelBar")->Position();
  Load(QStringLiteral("Live"));
  EXPECT_EQ(paramImage.DeviceTable, Patterned(5));
  EXPECT_TRUE(port.writes.empty());
  EXPECT_EQ(C<TrackBar>("MainMusLevelBar")->Position(), shownLevel);
}

// Each file is refused with its message, in a plain box; none changes the image or sends anything.
TEST_F(ModeLibraryPanelTest, ARefusedFileChangesNothingAndSaysWhy) {
  const std::string good = FileOf(Patterned(6));
  const auto plainLines = [&good] {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = good.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(*DecodeModeLine(good.substr(start, end - start)));
    return lines;
  };
  const auto encode = [](const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += EncodeModeLine(line) + "\r\n";
    return bytes;
  };
  std::vector<std::string> model = plainLines();
  model[0] = "Q8 234";
  std::vector<std::string> system = plainLines();
  system[2] = std::to_string(0x0904 ^ 2) + " " + std::to_string(Patterned(6)[0][0] ^ 2);  // a password cell
  std::vector<std::string> checksum = plainLines();
  checksum[2] = std::to_string(0 ^ 2) + " " + std::to_string((Patterned(6)[0][0] + 1) ^ 2);
  const std::string title(ApplicationTitle);
  struct Case {
    const char* name;
    std::string bytes;  // empty: no file at all
    std::string message;
  };
  const Case cases[] = {
      {"Missing", "", title + ": 文件不存在"},
      {"x.Nddt1", "", title + ": 文件不存在"},
      {"Model", encode(model), title + ": 文件格式错误!"},
      {"System", encode(system), title + ": 数据文件损坏!"},
      {"Checksum", encode(checksum), title + ": 数据文件损坏!"},
      {"Junk", "Q8 233\r\n", title + ": Mode file: line 1 is not hexadecimal text"},
  };
  Put("x.Nddt1", good);
  for (const Case& c : cases)
    if (!c.bytes.empty()) Put(std::string(c.name) + ".Nddt", c.bytes);
  form->RefreshModeList();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Load(QString::fromLatin1(c.name));
    const std::vector<std::string> messages = Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], c.message);
    EXPECT_EQ(paramImage.DeviceTable, before);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_TRUE(Memo2.lines.back().starts_with("mode file \"" + std::string(c.name) + "\" not loaded: ")) << Memo2.lines.back();
  }
}

}  // namespace

// Editing through the window: suggest, batch and commit on real files, the
// pending marks, the question before pending changes are lost, and clearing
// the tags.
#include "WindowFixture.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QToolButton>

namespace quillora {
namespace {

class EditingTest : public WindowFixture {};

TEST_F(EditingTest, SuggestBatchAndCommitPutTheFolderNameIntoTheFiles) {
  open();
  const QString folder = makeFolder(QStringLiteral("Some Band - 1999 - First Album"),
                                    {{"v23.mp3", "01 Intro.mp3"},
                                     {"plain.mp3", "02 Song.mp3"},
                                     {"tagged.flac", "03 Song.flac"}});
  selectAndLoad(folder);
  ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
  focus(QStringLiteral("01 Intro.mp3"));
  for (int field : {kAlbum, kAlbumArtist, kYear}) tick(field);

  window->btnSuggest->click();
  window->btnBatch->click();
  ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
  EXPECT_EQ(cellText("02 Song.mp3", kAlbum), "First Album");
  EXPECT_EQ(window->windowTitle(), "Quillora*");
  EXPECT_TRUE(isBold(cell("02 Song.mp3", kAlbum))) << "a pending cell is bold";
  EXPECT_TRUE(isBold(cell("02 Song.mp3", kYear)));
  EXPECT_FALSE(isBold(window->trackProxy()->index(gridRow("02 Song.mp3"), 0)));

  window->btnCommit->click();
  EXPECT_EQ(dialogs.messages, QStringList{"Commit Changes: 3 files written."});
  EXPECT_EQ(window->windowTitle(), "Quillora");
  EXPECT_FALSE(isBold(cell("02 Song.mp3", kAlbum)));

  for (const char* name : {"01 Intro.mp3", "02 Song.mp3"}) {
    SCOPED_TRACE(name);
    const QString file = folder + '/' + name;
    EXPECT_EQ(TagProperty(file, "ALBUM"), "First Album");
    EXPECT_EQ(TagProperty(file, "ALBUMARTIST"), "Some Band");
    EXPECT_EQ(TagProperty(file, "DATE"), "1999");
  }
  EXPECT_EQ(TagProperty(folder + "/01 Intro.mp3", "TITLE"), "Привет мир");
  EXPECT_EQ(TagProperty(folder + "/03 Song.flac", "ALBUM"), "First Album");
  EXPECT_EQ(TagProperty(folder + "/03 Song.flac", "DATE"), "1999");
}

TEST_F(EditingTest, ClosingWithPendingChangesAsksFirst) {
  for (bool discard : {false, true}) {
    SCOPED_TRACE(discard);
    dialogs = {};
    open();
    selectAndLoad(makeFolder(discard ? QStringLiteral("Discarded") : QStringLiteral("Kept"), {{"v23.mp3", "a.mp3"}}));
    ASSERT_TRUE(window->trackProxy()->setData(cell("a.mp3", kAlbum), "Another"));
    EXPECT_EQ(window->windowTitle(), "Quillora*");

    dialogs.answers = {discard};
    window->close();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(window->isVisible(), !discard);
    if (!discard) {
      EXPECT_EQ(cellText("a.mp3", kAlbum), "Another") << "the edit is kept";
      dialogs.answers = {true};
      window->close();
    }
    EXPECT_FALSE(window->isVisible());
    window.reset();
  }
}

TEST_F(EditingTest, CommitClearRemovesTheTagsOnlyWhenConfirmed) {
  for (bool confirmed : {false, true}) {
    SCOPED_TRACE(confirmed);
    dialogs = {};
    open();
    const QString folder = makeFolder(confirmed ? QStringLiteral("Yes") : QStringLiteral("No"),
                                      {{"v23.mp3", "a.mp3"}, {"tagged.flac", "b.flac"}});
    selectAndLoad(folder);
    QFile before(folder + "/a.mp3");
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();

    dialogs.answers = {confirmed};
    window->btnCommitClear->click();
    EXPECT_EQ(dialogs.questions, QStringList{"Remove every tag from 2 files?"});
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    ASSERT_EQ(window->trackProxy()->rowCount(), 2);
    if (confirmed) {
      for (const char* name : {"a.mp3", "b.flac"}) {
        EXPECT_TRUE(HasNoTagProperties(folder + '/' + name)) << name;
        EXPECT_TRUE(cellText(name, kTitle).isEmpty()) << name << " is read again";
      }
    } else {
      QFile after(folder + "/a.mp3");
      ASSERT_TRUE(after.open(QIODevice::ReadOnly));
      EXPECT_EQ(after.readAll(), bytes);
      EXPECT_EQ(cellText("a.mp3", kTitle), "Привет мир");
      EXPECT_TRUE(dialogs.sounds.isEmpty() && dialogs.messages.isEmpty());
    }
    window.reset();
  }
}

}  // namespace
}  // namespace quillora

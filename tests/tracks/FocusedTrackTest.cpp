// The fields panel follows the focused file's media type.
#include "TracksFixture.h"

#include "tracks/FocusedTrack.h"

namespace quillora {
namespace {

using FocusedTrackTest = TracksFixture;

TEST_F(FocusedTrackTest, ThePanelShowsTheFocusedFilesMediaType) {
  struct Case {
    const char* fileName;
    int mediaType;
  } cases[] = {{"a.mp3", kMpeg}, {"Live/Disc 1/x.FLAC", kFlac}, {"notes.xyz", -1}, {"README", -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fileName);
    cxGridMP3FocusedRecordChanged(ws, c.fileName);
    int expected = 0;
    for (int row = 0; row < map().rowCount(); ++row)
      expected += map().value(row, fm().MediaTypeID).toInt() == c.mediaType;
    EXPECT_EQ(map().visibleCount(), expected);
    for (int p = 0; p < map().visibleCount(); ++p)
      EXPECT_EQ(map().value(map().visibleRow(p), fm().MediaTypeID).toInt(), c.mediaType);
    EXPECT_FALSE(ws.DisableActions);
  }
  EXPECT_GT(map().rowCount(), 0);
}

TEST_F(FocusedTrackTest, FocusChangesWhileACommandRunsLeaveThePanelAlone) {
  ws.fields.FilterFieldMap(kAlbum, kFlac, -1);
  ws.DisableActions = true;
  cxGridMP3FocusedRecordChanged(ws, "a.mp3");
  ASSERT_EQ(map().visibleCount(), 1);
  EXPECT_EQ(map().value(map().visibleRow(0), fm().MediaTypeID).toInt(), kFlac);
}

}  // namespace
}  // namespace quillora

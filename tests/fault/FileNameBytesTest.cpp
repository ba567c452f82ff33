// The file name text rule shared by the scan and the engine: any bytes come
// back exactly, and UTF-8 reads as Qt reads it.
#include "tracks/TrackPaths.h"

#include <gtest/gtest.h>

#include <random>

namespace quillora {

namespace {

TEST(FileNameBytesTest, EveryShortByteStringComesBackExactly) {
  for (int first = 1; first < 256; ++first)
    for (int second = 0; second < 256; ++second) {
      QByteArray bytes(1, char(first));
      if (second) bytes += char(second);
      ASSERT_EQ(FileNameBytes(FileNameText(bytes)), bytes) << bytes.toHex().toStdString();
    }
}

TEST(FileNameBytesTest, RandomByteStringsComeBackExactly) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(1, 255), length(1, 12);
  for (int round = 0; round < 200000; ++round) {
    QByteArray bytes;
    // Bias towards the bytes that begin and continue UTF-8 sequences.
    for (int i = length(random); i > 0; --i) bytes += char(byte(random) | (round % 2 ? 0x80 : 0));
    ASSERT_EQ(FileNameBytes(FileNameText(bytes)), bytes) << bytes.toHex().toStdString();
  }
}

TEST(FileNameBytesTest, Utf8ReadsAsQtReadsIt) {
  for (const char* text : {"plain.mp3", "café.mp3", "日本語.flac", "\xF0\x9F\x8E\xB5.ogg", "\xEF\xBF\xBD.mp3"}) {
    EXPECT_EQ(FileNameText(text), QString::fromUtf8(text)) << text;
    EXPECT_EQ(FileNameBytes(QString::fromUtf8(text)), QByteArray(text)) << text;
  }
}

TEST(FileNameBytesTest, BytesThatAreNotUtf8BecomeEscapesNotReplacementCharacters) {
  const QString text = FileNameText("caf\xE9.mp3");
  EXPECT_EQ(text.size(), 8);
  EXPECT_EQ(text.at(3).unicode(), 0xDCE9);
  EXPECT_FALSE(text.contains(QChar(0xFFFD)));
  EXPECT_EQ(text.right(4), QStringLiteral(".mp3"));
}

}  // namespace

}  // namespace quillora

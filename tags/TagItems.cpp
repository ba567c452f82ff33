#include "tags/TagItems.h"

#include <algorithm>

namespace quillora {

namespace {

using E = EngineExports;

constexpr NumberedItem kFlacItems[] = {
    {1, UserKey{u"ALBUM"}},
    {2, UserKey{u"ARRANGER"}},
    {3, UserKey{u"ARTIST"}},
    {4, UserKey{u"AUTHOR"}},
    {5, &E::FLACGetBitsPerSampleW},
    {6, UserKey{u"COMMENT"}},
    {7, UserKey{u"COMPOSER"}},
    {8, &E::FLACGetCompressionRatioW},
    {9, UserKey{u"CONTACT"}},
    {10, UserKey{u"COPYRIGHT"}},
    {11, UserKey{u"DATE"}},
    {12, UserKey{u"DESCRIPTION"}},
    {13, UserKey{u"DISCNUMBER"}},
    {14, UserKey{u"ENSEMBLE"}},
    {15, UserKey{u"GENRE"}},
    {16, UserKey{u"ISRC"}},
    {17, &E::FLACGetItemKeysW},
    {18, UserKey{u"LICENSE"}},
    {19, UserKey{u"LOCATION"}},
    {20, UserKey{u"LYRICIST"}},
    {21, &E::FLACGetMaxBlockSizeW},
    {22, &E::FLACGetMaxFrameSizeW},
    {23, &E::FLACGetMinBlockSizeW},
    {24, &E::FLACGetMinFrameSizeW},
    {25, UserKey{u"ORGANIZATION"}},
    {26, UserKey{u"PERFORMER"}},
    {27, UserKey{u"PUBLISHER"}},
    {28, &E::FLACGetSamplesW},
    {29, UserKey{u"TITLE"}},
    {30, UserKey{u"TRACKNUMBER"}},
    {32, &E::FLACGetVendorW, &E::FLACSetVendorW},
    {33, UserKey{u"VERSION"}},
};

constexpr NumberedItem kOggItems[] = {
    {1, &E::OGGGetAlbumW, &E::OGGSetAlbumW},
    {2, &E::OGGGetArtistW, &E::OGGSetArtistW},
    {3, &E::OGGGetCommentW, &E::OGGSetCommentW},
    {4, &E::OGGGetContactW, &E::OGGSetContactW},
    {5, &E::OGGGetCopyrightW, &E::OGGSetCopyrightW},
    {6, &E::OGGGetDateW, &E::OGGSetDateW},
    {7, &E::OGGGetDescriptionW, &E::OGGSetDescriptionW},
    {8, &E::OGGGetGenreW, &E::OGGSetGenreW},
    {9, &E::OGGGetISRCW, &E::OGGSetISRCW},
    {10, &E::OGGGetLicenseW, &E::OGGSetLicenseW},
    {11, &E::OGGGetLocationW, &E::OGGSetLocationW},
    {12, &E::OGGGetOrganizationW, &E::OGGSetOrganizationW},
    {13, &E::OGGGetPerformerW, &E::OGGSetPerformerW},
    {14, &E::OGGGetTitleW, &E::OGGSetTitleW},
    {15, &E::OGGGetTrackW, &E::OGGSetTrackW},
    {17, &E::OGGGetVendorW, &E::OGGSetVendorW},
    {18, &E::OGGGetVersionW, &E::OGGSetVersionW},
};

constexpr NumberedItem kApeItems[] = {
    {1, &E::APEGetAlbumW, &E::APESetAlbumW},
    {2, &E::APEGetArtistW, &E::APESetArtistW},
    {3, &E::APEGetCommentW, &E::APESetCommentW},
    {4, &E::APEGetCopyrightW, &E::APESetCopyrightW},
    {5, &E::APEGetGenreW, &E::APESetGenreW},
    {6, &E::APEGetItemKeysW},
    {7, &E::APEGetSizeW},
    {8, &E::APEGetTitleW, &E::APESetTitleW},
    {9, &E::APEGetTrackW, &E::APESetTrackW},
    {11, &E::APEGetVersionW},
    {12, &E::APEGetYearW, &E::APESetYearW},
};

// Media types 0, 3, 7, 8, 10, 11 and 12 have neither reader nor writer.
constexpr MediaTagIo kMediaTagIo[] = {
    {.mediaType = 1, .address = ItemAddress::FrameId, .frameGet = &E::ID3V2GetTextFrameW,
     .frameSet = &E::ID3V2SetTextFrameW, .save = &E::ID3V2SaveChangesW},
    {.mediaType = 2, .address = ItemAddress::ItemName, .keyGet = &E::WMAGetUserItemW,
     .keySet = &E::WMASetUserItemW, .save = &E::WMASaveChangesW},
    {.mediaType = 4, .address = ItemAddress::ItemNumber, .keyGet = &E::FLACGetUserItemW,
     .keySet = &E::FLACSetUserItemW, .items = kFlacItems, .save = &E::FLACSaveChangesW},
    {.mediaType = 5, .address = ItemAddress::FrameId, .frameGet = &E::WAVGetTextFrameW,
     .frameSet = &E::WAVSetTextFrameW, .save = &E::WAVSaveChangesW},
    {.mediaType = 6, .address = ItemAddress::ItemNumber, .items = kOggItems,
     .save = &E::OGGSaveChangesW},
    {.mediaType = 9, .address = ItemAddress::FrameId, .frameGet = &E::MP4GetTextFrameW,
     .frameSet = &E::MP4SetTextFrameW, .save = &E::MP4SaveChangesW},
    {.mediaType = 13, .address = ItemAddress::ItemNumber, .items = kApeItems,
     .save = &E::APESaveChangesW},
};

}  // namespace

const MediaTagIo* MediaTagIoFor(int mediaType) {
  const auto* found = std::find_if(std::begin(kMediaTagIo), std::end(kMediaTagIo),
                                   [&](const MediaTagIo& io) { return io.mediaType == mediaType; });
  return found == std::end(kMediaTagIo) ? nullptr : found;
}

bool SkipsRow(const MediaTagIo& io, const QString& keyText, int itemNumber) {
  return io.address == ItemAddress::ItemNumber ? itemNumber < 1 : keyText.isEmpty();
}

const NumberedItem* FindItem(const MediaTagIo& io, int number) {
  const auto found = std::find_if(io.items.begin(), io.items.end(),
                                  [&](const NumberedItem& item) { return item.number == number; });
  return found == io.items.end() ? nullptr : &*found;
}

}  // namespace quillora

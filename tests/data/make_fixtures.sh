#!/usr/bin/env bash
# Makes the small audio files the tests read and copy. Run it from anywhere;
# it writes next to itself. The files are committed, so this runs only when a
# fixture has to change. Every file is ~0.1 s of silence, mono 8 kHz where the
# codec allows it, made with bit-exact flags so a re-run gives the same bytes.
set -euo pipefail
cd "$(dirname "$0")"

silence=(-f lavfi -i anullsrc=r=8000:cl=mono -t 0.1)
exact=(-fflags +bitexact -flags:a +bitexact -map_metadata -1)

make() {  # make OUT OPTIONS... : one ffmpeg run from silence
  local out=$1; shift
  ffmpeg -y -v error "${silence[@]}" "${exact[@]}" "$@" "$out"
}

mp3=(-c:a libmp3lame -b:a 8k -write_xing 0)
make plain.mp3 "${mp3[@]}" -id3v2_version 0
make v23.mp3 "${mp3[@]}" -id3v2_version 3 -write_id3v1 1 \
  -metadata title="Привет мир" -metadata artist="Кино" -metadata album="Группа крови" \
  -metadata date=1988 -metadata track=3
make v24.mp3 "${mp3[@]}" -id3v2_version 4 \
  -metadata title="こんにちは" -metadata artist="שלום" -metadata genre="J-Pop"
make tagged.flac -c:a flac -metadata_header_padding 0 \
  -metadata title="שיר" -metadata artist="להקה" -metadata album="אלבום" -metadata date=2001
make tagged.ogg -c:a libvorbis -q:a 0 \
  -metadata title="Песня" -metadata artist="Исполнитель" -metadata album="Альбом"
make tagged.wav -c:a pcm_s16le \
  -metadata title="夜明け" -metadata artist="歌手" -metadata album="アルバム"
make tagged.m4a -c:a aac -b:a 8k \
  -metadata title="שיר" -metadata artist="זמר" -metadata album="אוסף" -metadata track=5/12
make tagged.wma -c:a wmav2 -b:a 24k \
  -metadata title="Заголовок" -metadata artist="Автор" -metadata album="Альбом"
make plain.wv -c:a wavpack
make plain.tta -c:a tta
# An MPEG program stream with video only: a real .mpg that holds no MPEG audio.
ffmpeg -y -v error -f lavfi -i color=c=black:s=16x16:r=25 -t 0.04 "${exact[@]}" \
  -flags:v +bitexact -c:v mpeg1video -f mpeg video.mpg

python3 - <<'PY'
import struct

def syncsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])

def text_frame(fid, text):
    body = b"\x03" + text.encode("utf-8")  # UTF-8 text
    return fid.encode() + syncsafe(len(body)) + b"\x00\x00" + body

# ID3v2.4 tag with an extended header and no padding, its last frame short:
# the layout that makes TagLib 1.13 drop that frame when it re-saves the tag.
ext_header = syncsafe(6) + b"\x01\x00"
frames = text_frame("TIT2", "Extended header") + text_frame("TRCK", "7")
body = ext_header + frames
tag = b"ID3\x04\x00\x40" + syncsafe(len(body)) + body
with open("plain.mp3", "rb") as f:
    audio = f.read()
with open("ext24.mp3", "wb") as f:
    f.write(tag + audio)

# A Monkey's Audio file: descriptor and header (format 3.99), a few bytes of
# frame data, and an APEv2 tag with a Japanese title.
frame_data = bytes(range(64))
descriptor = b"MAC " + struct.pack("<HH", 3990, 0) + struct.pack(
    "<7I", 52, 24, 0, 0, len(frame_data), 0, 0) + bytes(16)
header = struct.pack("<HHIIIHHI", 2000, 0, 73728, 800, 1, 16, 1, 8000)

def ape_item(key, value):
    v = value.encode("utf-8")
    return struct.pack("<II", len(v), 0) + key.encode() + b"\x00" + v

items = ape_item("Title", "音楽") + ape_item("Artist", "Artist")
def ape_frame(flags):
    return b"APETAGEX" + struct.pack("<IIII", 2000, len(items) + 32, 2, flags) + bytes(8)
ape_tag = ape_frame(0xA0000000) + items + ape_frame(0x80000000)
with open("tagged.ape", "wb") as f:
    f.write(descriptor + header + frame_data + ape_tag)
PY
ls -l ./*.mp3 ./*.flac ./*.ogg ./*.wav ./*.m4a ./*.wma ./*.wv ./*.tta ./*.ape ./*.mpg

#!/usr/bin/env python3
"""Build Lumeport's bundled sample ProgramDir (data/) from course.txt.

Usage:
    python3 tools/sample-course/generate.py              rebuild everything under data/
    python3 tools/sample-course/generate.py --out DIR    build into DIR instead of data/
    python3 tools/sample-course/generate.py --check      re-read data/ and check it
    python3 tools/sample-course/generate.py --check DIR  check another ProgramDir

Rebuilding needs flite, sox, ffmpeg and ffprobe on PATH
(apt-get install -y flite sox ffmpeg). Checking needs nothing but Python.

The whole of data/ is replaced on a rebuild; course.txt is the only input. Lesson
scripts are byte-identical from run to run; for spoken lessons their times are
measured from the synthesised audio, so they stay identical as long as flite and
sox do.
"""

import argparse
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import wave
from array import array
from dataclasses import dataclass, field
from pathlib import Path

HERE = Path(__file__).resolve().parent
COURSE_FILE = HERE / "course.txt"
DEFAULT_OUT = HERE.parent.parent / "data"

RATE = 22050             # every spoken lesson is resampled to this, mono, 16-bit
LEAD_S = 0.5             # silence before the first sentence
GAP_S = 0.5              # silence between sentences
TAIL_S = 0.6             # silence after the last sentence
SPEECH_REL_DB = -42.0    # speech starts/ends where a 5 ms window reaches this level below the peak
FADE_S = 0.004           # tiny fade at cut points so trimmed segments don't click
VOICES = {"A": "slt", "B": "rms"}

# Lessons without media get times from a reading-pace estimate (centiseconds).
EST_LEAD_CS, EST_GAP_CS, EST_BASE_CS, EST_WORD_CS = 50, 50, 45, 30

CARD_COLOUR = "0x2f5f8f"
CARD_SIZE = "640x360"
CARD_FPS = 5
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
MAX_MEDIA_BYTES = 2 * 1024 * 1024

RTF_HEAD = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}\\uc1\\pard\\f0\\fs18 "

WORD = r"[0-9A-Za-zÀ-ÖØ-öø-ÿ]+(?:['’-][0-9A-Za-zÀ-ÖØ-öø-ÿ]+)*"
TOKEN_RE = re.compile(WORD + r"| |.", re.S)
WORD_RE = re.compile(WORD + r"\Z")
TIME_RE = re.compile(r"(0|[1-9][0-9]*)(\.[0-9]?[1-9])?\Z")
FORBIDDEN = set("*#^|")


# ----------------------------------------------------------------------------- course source

@dataclass
class Sentence:
    speaker: str
    english: str
    chinese: str
    note_lines: list = field(default_factory=list)
    line: int = 0

    @property
    def tokens(self):
        return tokenize(self.english)

    @property
    def note(self):
        return "\r\n".join(self.note_lines)


@dataclass
class Lesson:
    number: int
    title: str
    flags: set
    sentences: list = field(default_factory=list)
    note_paragraphs: list = field(default_factory=list)

    @property
    def encoding(self):
        return "gbk" if "gbk" in self.flags else "rtf" if "rtf" in self.flags else "utf-8"


class CourseError(Exception):
    pass


def tokenize(english):
    """Split an English sentence into words, single spaces and single punctuation marks."""
    return TOKEN_RE.findall(english)


def parse_course(path):
    name, lessons = None, []
    for lineno, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        where = f"{path.name}:{lineno}"
        if not line or line.startswith("#"):
            continue
        if line.startswith("course "):
            name = line[len("course "):].strip()
        elif line.startswith("="):
            m = re.fullmatch(r"=\s*(.+?)\s*(?:\{([a-z, ]*)\})?", line)
            flags = {f.strip() for f in (m.group(2) or "").split(",") if f.strip()}
            unknown = flags - {"media", "gbk", "rtf"}
            if unknown or {"gbk", "rtf"} <= flags:
                raise CourseError(f"{where}: bad lesson flags {sorted(flags)}")
            lessons.append(Lesson(len(lessons) + 1, m.group(1), flags))
        elif not lessons:
            raise CourseError(f"{where}: text before the first lesson")
        elif re.match(r"[AB]:", line):
            parts = line[2:].split("|")
            if len(parts) != 2:
                raise CourseError(f"{where}: expected 'A: English | Chinese'")
            english = re.sub(r"\s+", " ", parts[0].strip())
            lessons[-1].sentences.append(Sentence(line[0], english, parts[1].strip(), line=lineno))
        elif line.startswith(">"):
            if not lessons[-1].sentences:
                raise CourseError(f"{where}: note before any sentence")
            lessons[-1].sentences[-1].note_lines.append(line[1:].strip())
        elif line.startswith("+"):
            lessons[-1].note_paragraphs.append(line[1:].strip())
        else:
            raise CourseError(f"{where}: cannot read this line")
    if not name or not lessons:
        raise CourseError(f"{path.name}: needs a course name and at least one lesson")
    for lesson in lessons:
        validate_lesson(lesson)
    return name, lessons


def validate_lesson(lesson):
    where = f"lesson {lesson.number}"
    if not lesson.sentences:
        raise CourseError(f"{where}: no sentences")
    if FORBIDDEN & set(lesson.title) or "：" in lesson.title:
        raise CourseError(f"{where}: title holds a reserved character")
    for s in lesson.sentences:
        for text in [s.english, s.chinese, *s.note_lines]:
            if FORBIDDEN & set(text):
                raise CourseError(f"{where}, line {s.line}: reserved character in {text!r}")
        problem = english_problem(s.tokens)
        if problem:
            raise CourseError(f"{where}, line {s.line}: {problem}")
        if lesson.encoding == "gbk":
            for text in [s.english, s.chinese, *s.note_lines]:
                try:
                    text.encode("gbk")
                except UnicodeEncodeError as e:
                    raise CourseError(f"{where}, line {s.line}: {text[e.start]!r} has no GBK code")


def english_problem(tokens):
    """Return why a token list is not sensible English, or None."""
    if not tokens:
        return "empty sentence"
    for t in tokens:
        if t != " " and not WORD_RE.match(t) and (len(t) != 1 or t.isalnum() or t.isspace()):
            return f"bad token {t!r}"
    for left, mid, right in zip(tokens, tokens[1:], tokens[2:]):
        if mid in "'’-" and WORD_RE.match(left) and WORD_RE.match(right):
            return f"{left + mid + right!r} split into tokens; it is one word"
    for left, right in zip(tokens, tokens[1:]):
        if WORD_RE.match(left) and WORD_RE.match(right):
            return f"{left!r} and {right!r} are not separated"
    text = "".join(tokens)
    if text != text.strip():
        return "leading or trailing space"
    if "  " in text:
        return "double space"
    if re.search(r" [,.?!;:]", text):
        return "space before punctuation"
    if not any(WORD_RE.match(t) for t in tokens):
        return "no words"
    return None


# ----------------------------------------------------------------------------- script writing

def fmt_time(cs):
    """Centiseconds as seconds, trailing zeros trimmed: 325 -> '3.25', 1240 -> '12.4', 700 -> '7'."""
    return f"{cs // 100}.{cs % 100:02d}".rstrip("0").rstrip(".")


def script_text(lesson, times):
    out = []
    for s, (start, end) in zip(lesson.sentences, times):
        english = "^" + "".join(t + "^" for t in s.tokens)
        out.append(f"*{english}#{s.chinese}#{fmt_time(start)}#{fmt_time(end)}#{s.note}#####")
    return "".join(out) + "*"


def rtf_document(text):
    """A minimal RTF document holding plain text; CR LF becomes a paragraph mark."""
    if re.search(r"\r(?!\n)|(?<!\r)\n", text):
        raise ValueError("line breaks must be CR LF")
    out = [RTF_HEAD]
    for ch in text.replace("\r\n", "\n"):
        if ch == "\n":
            out.append("\\par ")
        elif ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 0x80:
            out.append(ch)
        else:
            units = struct.unpack(f"<{len(ch.encode('utf-16-le')) // 2}h", ch.encode("utf-16-le"))
            out.extend(f"\\u{u}?" for u in units)
    out.append("\\par}")
    return "".join(out)


def encode_script(text, encoding):
    if encoding == "rtf":
        return rtf_document(text).encode("ascii")
    return text.encode(encoding)


def estimated_times(lesson):
    times, pos = [], EST_LEAD_CS
    for s in lesson.sentences:
        words = sum(1 for t in s.tokens if WORD_RE.match(t))
        end = pos + EST_BASE_CS + EST_WORD_CS * words
        times.append((pos, end))
        pos = end + EST_GAP_CS
    return times


# ----------------------------------------------------------------------------- audio and video

def run(*cmd, capture=False):
    result = subprocess.run([str(c) for c in cmd], check=True, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE if capture else subprocess.DEVNULL,
                            stderr=subprocess.PIPE)
    return result.stdout.decode() if capture else None


def sox(*args):
    # -R: repeatable (fixed seed), -D: no dither, so identical input gives identical output
    run("sox", "-R", "-D", "-V1", *args)


def read_samples(path):
    with wave.open(str(path), "rb") as w:
        assert w.getnchannels() == 1 and w.getsampwidth() == 2, path
        data = array("h", w.readframes(w.getnframes()))
        if sys.byteorder == "big":
            data.byteswap()
        return w.getframerate(), data


def speech_bounds(samples, rate):
    """First and last sample (end exclusive) of the 5 ms windows loud enough to be speech."""
    win = rate // 200
    peak = max(abs(x) for x in samples)
    threshold = peak * 10 ** (SPEECH_REL_DB / 20)
    loud = [i for i in range(0, len(samples), win)
            if max(abs(x) for x in samples[i:i + win]) >= threshold]
    if not loud:
        raise RuntimeError("no speech found")
    return loud[0], min(len(samples), loud[-1] + win)


def tts_text(english):
    return (english.replace("é", "e").replace("—", ",").replace("’", "'")
            .replace("“", '"').replace("”", '"'))


def samples_to_cs(n):
    return (n * 100 + RATE // 2) // RATE


def speak_lesson(lesson, work):
    """Speak every sentence, join them with pauses; return the WAV and the sentence times."""
    lead, gap, tail = (round(s * RATE) for s in (LEAD_S, GAP_S, TAIL_S))
    silences = {}
    for name, n in (("lead", lead), ("gap", gap), ("tail", tail)):
        silences[name] = work / f"silence-{name}.wav"
        sox("-r", RATE, "-c", 1, "-n", "-b", 16, silences[name], "trim", "0", f"{n}s")

    parts, bounds, pos = [silences["lead"]], [], lead
    for i, s in enumerate(lesson.sentences, 1):
        raw = work / f"{lesson.number}-{i}-flite.wav"
        norm = work / f"{lesson.number}-{i}-norm.wav"
        seg = work / f"{lesson.number}-{i}.wav"
        run("flite", "-voice", VOICES[s.speaker], "-t", tts_text(s.english), "-o", raw)
        sox(raw, "-r", RATE, "-c", 1, "-b", 16, norm, "norm", "-3")
        rate, samples = read_samples(norm)
        assert rate == RATE
        first, last = speech_bounds(samples, rate)
        sox(norm, seg, "trim", f"{first}s", f"={last}s", "fade", "h", FADE_S, "-0", FADE_S)
        n = int(run("sox", "--i", "-s", seg, capture=True))
        secs = float(run("sox", "--i", "-D", seg, capture=True))
        assert n == last - first and abs(secs - n / RATE) < 1e-4, (seg, n, secs)
        bounds.append((pos, pos + n))
        pos += n + gap
        parts += [seg, silences["gap"]]
    parts[-1] = silences["tail"]
    pos += tail - gap

    joined = work / f"{lesson.number}.wav"
    sox(*parts, joined)
    total = int(run("sox", "--i", "-s", joined, capture=True))
    assert total == pos, (joined, total, pos)
    verify_speech_positions(joined, bounds)
    times = [(samples_to_cs(a), samples_to_cs(b)) for a, b in bounds]
    return joined, times, total / RATE


def verify_speech_positions(joined, bounds):
    """The joined file is silent exactly outside the sentence segments, and speaks inside them."""
    rate, samples = read_samples(joined)
    edges = [0] + [x for b in bounds for x in b] + [len(samples)]
    for k in range(0, len(edges), 2):
        quiet = samples[edges[k]:edges[k + 1]]
        assert not any(quiet), f"{joined}: sound outside sentences near sample {edges[k]}"
    win = rate // 50
    for a, b in bounds:
        assert max(map(abs, samples[a:a + win])) > 0 and max(map(abs, samples[b - win:b])) > 0


def ffmpeg_wmv(audio, seconds, draw, out_path):
    run("ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y",
        "-f", "lavfi", "-i", f"color=c={CARD_COLOUR}:s={CARD_SIZE}:r={CARD_FPS}",
        "-i", audio, "-t", f"{seconds:.6f}", "-vf", draw,
        "-c:v", "wmv2", "-b:v", "48k", "-g", 50,
        "-c:a", "wmav2", "-b:a", "32k", "-ar", RATE, "-ac", 1,
        "-map_metadata", "-1", "-fflags", "+bitexact", "-flags", "+bitexact", out_path)


def decoded_lag(source, media, work):
    """How many samples later than in `source` the speech sits in `media`, placed by its timestamps."""
    decoded = work / "decoded.wav"
    run("ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-i", media,
        "-af", "aresample=async=1:first_pts=0", "-ac", 1, "-ar", RATE, "-c:a", "pcm_s16le", decoded)
    _, src = read_samples(source)
    _, dec = read_samples(decoded)
    threshold = max(map(abs, src)) // 50
    onset = next(i for i, x in enumerate(src) if abs(x) >= threshold)
    coarse = next(i for i, x in enumerate(dec) if abs(x) >= threshold) - onset
    window = src[onset:onset + RATE // 3]

    def score(lag):
        part = dec[onset + lag:onset + lag + len(window)]
        return sum(a * b for a, b in zip(window, part)) if len(part) == len(window) else 0

    return max(range(coarse - 64, coarse + 65), key=score)


def encode_wmv(lesson, course, audio, out_path, work):
    """Encode the lesson card and its audio; return the media's play length in seconds.

    WMA's frame overlap puts the decoded sound a frame later than it was fed in. The lead
    silence given to the encoder is shortened by the measured amount, so that by the file's
    own timestamps every sentence sits exactly where the lesson script says."""
    title_file = work / f"{lesson.number}-title.txt"
    course_file = work / "course-name.txt"
    title_file.write_text(f"Lesson {lesson.number}: {lesson.title}", encoding="utf-8")
    course_file.write_text(f"{course} sample course", encoding="utf-8")
    draw = (f"drawtext=fontfile={FONT}:textfile={course_file}:fontcolor=0xc8d8ea:fontsize=20"
            f":x=(w-text_w)/2:y=h*0.30,"
            f"drawtext=fontfile={FONT}:textfile={title_file}:fontcolor=white:fontsize=34"
            f":x=(w-text_w)/2:y=(h-text_h)/2")
    total = int(run("sox", "--i", "-s", audio, capture=True))
    shift, feed = 0, audio
    for _attempt in range(3):
        ffmpeg_wmv(feed, (total - shift) / RATE, draw, out_path)
        lag = decoded_lag(audio, out_path, work)
        if abs(lag) <= 2:
            break
        shift += lag
        feed = work / f"{lesson.number}-feed.wav"
        if shift > 0:
            sox(audio, feed, "trim", f"{shift}s")
        else:
            sox(audio, feed, "pad", f"{-shift}s", "0")
    else:
        raise RuntimeError(f"{out_path}: cannot line the audio up (lag {lag} samples)")

    probe = run("ffprobe", "-v", "error", "-show_entries",
                "format=duration:stream=codec_type,codec_name,width,height,sample_rate,channels,duration",
                "-of", "compact", out_path, capture=True)
    rows = [(line.split("|")[0], dict(kv.split("=", 1) for kv in line.split("|")[1:]))
            for line in probe.splitlines()]
    streams = [r for kind, r in rows if kind == "stream"]
    fmt = next(r for kind, r in rows if kind == "format")
    kinds = sorted((s["codec_type"], s["codec_name"]) for s in streams)
    assert kinds == [("audio", "wmav2"), ("video", "wmv2")], (out_path, kinds)
    video = next(s for s in streams if s["codec_type"] == "video")
    sound = next(s for s in streams if s["codec_type"] == "audio")
    assert (video["width"], video["height"]) == tuple(CARD_SIZE.split("x")), video
    assert int(sound["sample_rate"]) == RATE and int(sound["channels"]) == 1, sound
    # the container's play length is what a player reports; it must agree with the streams
    duration = asf_duration(out_path)
    for s in (video, sound):
        assert abs(float(s["duration"]) - duration) < 0.01, (out_path, s, duration)
    assert total / RATE - 0.1 <= duration <= float(fmt["duration"]) + 0.01, (out_path, duration)
    assert out_path.stat().st_size < MAX_MEDIA_BYTES, out_path
    return duration, shift, lag


# ----------------------------------------------------------------------------- small assets

def write_ui_sounds(folder):
    folder.mkdir(parents=True, exist_ok=True)
    fmt = ["-r", 44100, "-c", 1]
    sounds = {
        # a soft, slightly woody click for pressing a button
        "MouDown.wav": ["synth", "0.045", "sine", "1300", "sine", "mix", "2600",
                        "fade", "q", "0.001", "0.045", "0.04", "gain", "-9"],
        # the release: shorter, higher and quieter
        "MouUp.wav": ["synth", "0.03", "sine", "1900", "fade", "q", "0.001", "0.03", "0.027",
                      "gain", "-16"],
        # a tiny key tick while typing an answer
        "type.wav": ["synth", "0.012", "square", "3200", "lowpass", "6000",
                     "fade", "q", "0.0005", "0.012", "0.011", "gain", "-20"],
        # a low buzz for a wrong answer
        "wrong.wav": ["synth", "0.26", "square", "110", "square", "mix", "116",
                      "lowpass", "900", "fade", "q", "0.01", "0.26", "0.08", "gain", "-16"],
    }
    for name, effects in sounds.items():
        sox(*fmt, "-n", "-b", 16, folder / name, *effects)


def write_checkbox(path, ticked, work):
    size = 13
    black, border, white, tick = (0, 0, 0), (122, 142, 170), (255, 255, 255), (120, 215, 110)
    px = [[black] * size for _ in range(size)]
    for y in range(1, size - 1):
        for x in range(1, size - 1):
            edge = y in (1, size - 2) or x in (1, size - 2)
            px[y][x] = border if edge else white
    if ticked:
        # a two-pixel-thick tick: down to the lower left, then up to the right
        stroke = [(3, 6), (4, 7), (5, 8), (6, 7), (7, 6), (8, 5), (9, 4)]
        for x, y in stroke:
            px[y][x] = tick
            px[y + 1][x] = tick
    ppm = work / (path.stem + ".ppm")
    ppm.write_bytes(b"P6\n13 13\n255\n" + bytes(c for row in px for p in row for c in p))
    run("ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-i", ppm,
        "-pix_fmt", "yuvj444p", "-q:v", 1, "-frames:v", 1,
        "-fflags", "+bitexact", "-flags", "+bitexact", path)


def write_empty_wav(path, rate=16000):
    header = (b"RIFF" + struct.pack("<I", 36) + b"WAVE"
              + b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, rate * 2, 2, 16)
              + b"data" + struct.pack("<I", 0))
    assert len(header) == 44
    path.write_bytes(header)


DOWNLOAD_PAGE = """<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>课文音频/视频未安装</title>
<style>
body {{ font-family: sans-serif; margin: 2em; line-height: 1.6; color: #223; }}
code {{ background: #eef2f7; padding: 0 .3em; }}
.en {{ color: #556; }}
</style>
</head>
<body>
<h1>本课的音频/视频文件尚未安装</h1>
<p>Lumeport 在播放课文时需要每一课对应的音频/视频文件，但在本机上没有找到。</p>
<p>请把文件放到程序所在文件夹下的 <code>Sound/{course}/</code> 文件夹里，每课一个文件，
文件名为“课号.wmv”，例如第1课是 <code>Sound/{course}/1.wmv</code>，第2课是 <code>Sound/{course}/2.wmv</code>。
放好后重新打开这一课。</p>
<p>注意：示例课程“{course}”只为第1课到第{last}课附带了音频/视频，第{first_missing}课及以后的课特意不带，用来演示这个页面。</p>
<p class="en">English: the voice/video file for this lesson is not installed. Put it in the folder
<code>Sound/{course}/</code> below the program's folder, one file per lesson named
<code>&lt;lesson number&gt;.wmv</code> (for example <code>1.wmv</code>). In the sample course, lessons
{first_missing} and up come without media on purpose.</p>
</body>
</html>
"""


# ----------------------------------------------------------------------------- build

def build(out_dir):
    name, lessons = parse_course(COURSE_FILE)
    media = [l.number for l in lessons if "media" in l.flags]
    if media != list(range(1, len(media) + 1)):
        raise CourseError("spoken lessons must be the first ones")
    with tempfile.TemporaryDirectory(prefix="lumeport-sample-") as tmp:
        work, stage = Path(tmp) / "work", Path(tmp) / "data"
        work.mkdir()
        book, sound = stage / "Book" / name, stage / "Sound" / name
        book.mkdir(parents=True)
        report = []
        for lesson in lessons:
            duration = None
            if "media" in lesson.flags:
                sound.mkdir(parents=True, exist_ok=True)
                audio, times, audio_s = speak_lesson(lesson, work)
                duration, shift, lag = encode_wmv(lesson, name, audio,
                                                  sound / f"{lesson.number}.wmv", work)
                print(f"lesson {lesson.number}: {audio_s:.2f} s of audio, encoder lead shortened "
                      f"by {shift} samples, decoded lag now {lag} samples")
            else:
                times = estimated_times(lesson)
            text = script_text(lesson, times)
            raw = encode_script(text, lesson.encoding)
            assert decode_script(raw) == (text, lesson.encoding), f"lesson {lesson.number} round trip"
            (book / f"{lesson.number}.dat").write_bytes(raw)
            if lesson.note_paragraphs:
                notes = stage / "Note" / name
                notes.mkdir(parents=True, exist_ok=True)
                doc = rtf_document("\r\n".join(lesson.note_paragraphs))
                (notes / f"{lesson.number}.rtf").write_bytes(doc.encode("ascii"))
            report.append((lesson, duration))

        catalogue = "".join(f"^第{l.number}课：{l.title}" for l in lessons) + "^"
        (stage / "SETTING" / "BookList").mkdir(parents=True)
        (stage / "SETTING" / "BookList" / f"{name}.dat").write_bytes(catalogue.encode("utf-8"))
        write_ui_sounds(stage / "SETTING" / "Sound")
        (stage / "Bitmap").mkdir()
        for ticked in (0, 1):
            write_checkbox(stage / "Bitmap" / f"check_{ticked}.jpg", ticked, work)
        write_empty_wav(stage / "Recorder.wav")
        page = DOWNLOAD_PAGE.format(course=name, last=len(media), first_missing=len(media) + 1)
        (stage / "download.htm").write_bytes(page.encode("utf-8"))

        problems = check(stage)
        if problems:
            raise RuntimeError("generated data failed the check:\n" + "\n".join(problems))
        replace_tree(stage, out_dir)

    for lesson, duration in report:
        media_note = f"media {duration:.2f} s" if duration else "no media"
        print(f"lesson {lesson.number}: {len(lesson.sentences):2d} sentences, "
              f"{lesson.encoding}, {media_note}  {lesson.title}")
    print(f"wrote {out_dir}")


def replace_tree(stage, out_dir):
    out_dir.mkdir(parents=True, exist_ok=True)
    for entry in out_dir.iterdir():
        if entry.is_dir() and not entry.is_symlink():
            shutil.rmtree(entry)
        else:
            entry.unlink()
    for entry in sorted(stage.iterdir()):
        dest = out_dir / entry.name
        if entry.is_dir():
            shutil.copytree(entry, dest)
        else:
            shutil.copyfile(entry, dest)


# ----------------------------------------------------------------------------- checking

def decode_script(raw):
    """Return (text, encoding) for a lesson script stored as UTF-8, GBK or RTF."""
    if raw.startswith(b"\xef\xbb\xbf"):
        raise ValueError("UTF-8 byte order mark")
    if raw.startswith(b"{\\rtf"):
        return read_rtf(raw.decode("ascii")), "rtf"
    try:
        return raw.decode("utf-8"), "utf-8"
    except UnicodeDecodeError:
        return raw.decode("gbk"), "gbk"


def read_rtf(doc):
    """Plain text of an RTF document as written by rtf_document()."""
    if not doc.startswith(RTF_HEAD) or not doc.endswith("}"):
        raise ValueError("unexpected RTF header or ending")
    body, out, units, i = doc[len(RTF_HEAD):-1], [], [], 0

    def flush():
        if units:
            out.append(struct.pack(f"<{len(units)}h", *units).decode("utf-16-le"))
            units.clear()

    while i < len(body):
        ch = body[i]
        if ch in "{}":
            raise ValueError(f"unescaped brace at {i}")
        if ch != "\\":
            flush()
            out.append(ch)
            i += 1
            continue
        m = re.compile(r"\\(?:([\\{}])|u(-?\d+)\?|par ?)").match(body, i)
        if not m:
            raise ValueError(f"unexpected control word at {i}: {body[i:i + 12]!r}")
        if m.group(2) is not None:
            units.append(int(m.group(2)))
        else:
            flush()
            out.append(m.group(1) or "\n")
        i = m.end()
    flush()
    text = "".join(out)
    if not text.endswith("\n"):
        raise ValueError("RTF text does not end with a paragraph mark")
    return text[:-1].replace("\n", "\r\n")


def asf_duration(path):
    """Play length in seconds from an ASF (.wmv) file's File Properties header."""
    header_guid = bytes.fromhex("3026b2758e66cf11a6d900aa0062ce6c")
    props_guid = bytes.fromhex("a1dcab8c47a9cf118ee400c00c205365")
    with open(path, "rb") as f:
        head = f.read(30)
        if head[:16] != header_guid:
            raise ValueError(f"{path}: not an ASF file")
        size = struct.unpack_from("<Q", head, 16)[0]
        data = f.read(size - 30)
    pos = 0
    while pos + 24 <= len(data):
        guid, obj_size = data[pos:pos + 16], struct.unpack_from("<Q", data, pos + 16)[0]
        if guid == props_guid:
            play, _send, preroll = struct.unpack_from("<QQQ", data, pos + 24 + 40)
            return play / 1e7 - preroll / 1000
        pos += obj_size
    raise ValueError(f"{path}: no file properties")


def jpeg_size(raw):
    pos = 2
    while pos < len(raw):
        marker, length = raw[pos + 1], struct.unpack_from(">H", raw, pos + 2)[0]
        if marker in (0xC0, 0xC1, 0xC2):
            h, w = struct.unpack_from(">HH", raw, pos + 5)
            return w, h
        pos += 2 + length
    raise ValueError("no JPEG frame header")


def check_record(record):
    """Problems with one lesson-script record (without its leading '*')."""
    if record.count("#") < 5:
        return ["fewer than 5 '#'"]
    fields = record.split("#")
    english, chinese, start, end, note = fields[:5]
    problems = []
    if any(fields[5:]):
        problems.append("text after the note field")
    if len(english) < 2 or not (english.startswith("^") and english.endswith("^")):
        problems.append("English field must start and end with '^'")
    else:
        problem = english_problem(english[1:-1].split("^"))
        if problem:
            problems.append(problem)
    if not re.search(r"[\u4e00-\u9fff]", chinese):
        problems.append("no Chinese text")
    if re.search(r"\r(?!\n)|(?<!\r)\n", note):
        problems.append("line break in note is not CR LF")
    for label, value in (("start", start), ("end", end)):
        if not TIME_RE.match(value):
            problems.append(f"{label} time {value!r} is not like 3.25, 12.4 or 7")
    return problems


def check(root):
    root = Path(root)
    problems = []
    lists = sorted((root / "SETTING" / "BookList").glob("*.dat"))
    if not lists:
        return [f"{root}: no catalogue in SETTING/BookList"]
    for name in ("set.dat", "num.dat"):
        if (root / "SETTING" / name).exists():
            problems.append(f"SETTING/{name} must not be bundled")
    for catalogue in lists:
        course = catalogue.stem
        raw = catalogue.read_bytes()
        text = raw.decode("utf-8")
        if raw.startswith(b"\xef\xbb\xbf") or not (text.startswith("^") and text.endswith("^")):
            problems.append(f"{catalogue.name}: must be '^title^...^' in UTF-8 without BOM")
            continue
        titles = text[1:-1].split("^")
        for n, title in enumerate(titles, 1):
            if not re.fullmatch(rf"第{n}课：[^*#^：]+", title):
                problems.append(f"{catalogue.name}: title {n} {title!r}")
        scripts = sorted((root / "Book" / course).glob("*.dat"), key=lambda p: int(p.stem))
        if [p.stem for p in scripts] != [str(n) for n in range(1, len(titles) + 1)]:
            problems.append(f"Book/{course}: scripts {[p.name for p in scripts]} "
                            f"do not match {len(titles)} titles")
        media_dir = root / "Sound" / course
        for wmv in sorted(media_dir.glob("*")) if media_dir.is_dir() else []:
            if wmv.suffix != ".wmv" or not wmv.stem.isdigit() or int(wmv.stem) > len(titles):
                problems.append(f"Sound/{course}/{wmv.name}: not a lesson's media file")
        for script in scripts:
            problems += [f"Book/{course}/{script.name}: {p}" for p in check_script(script, media_dir)]
    problems += check_assets(root)
    return problems


def check_script(path, media_dir):
    try:
        text, _encoding = decode_script(path.read_bytes())
    except (ValueError, UnicodeDecodeError) as e:
        return [f"cannot decode: {e}"]
    if not (text.startswith("*") and text.endswith("*")) or len(text) < 2:
        return ["must start and end with '*'"]
    records = text[1:-1].split("*")
    problems = []
    if len(records) != text.count("*") - 1:
        problems.append("record count does not match '*' count")
    previous_start, last_end = -1.0, 0.0
    for i, record in enumerate(records, 1):
        found = check_record(record)
        problems += [f"record {i}: {p}" for p in found]
        if found:
            continue
        start, end = (float(v) for v in record.split("#")[2:4])
        if start > end:
            problems.append(f"record {i}: starts after it ends")
        if start < previous_start:
            problems.append(f"record {i}: starts before the record above")
        previous_start, last_end = start, max(last_end, end)
    media = media_dir / f"{path.stem}.wmv"
    if media.exists():
        try:
            duration = asf_duration(media)
        except (OSError, ValueError, struct.error) as e:
            problems.append(f"{media.name}: {e}")
        else:
            if last_end > duration:
                problems.append(f"last sentence ends at {last_end} after the media ({duration:.2f} s)")
    return problems


def check_assets(root):
    problems = []
    for name in ("MouDown.wav", "MouUp.wav", "type.wav", "wrong.wav"):
        path = root / "SETTING" / "Sound" / name
        try:
            with wave.open(str(path), "rb") as w:
                ok = (w.getsampwidth() == 2 and w.getframerate() in (22050, 44100)
                      and 0 < w.getnframes() < 0.3 * w.getframerate())
        except (OSError, wave.Error, EOFError) as e:
            problems.append(f"SETTING/Sound/{name}: {e}")
            continue
        if not ok:
            problems.append(f"SETTING/Sound/{name}: must be 16-bit, 22.05/44.1 kHz, under 0.3 s")
    recorder = root / "Recorder.wav"
    try:
        with wave.open(str(recorder), "rb") as w:
            params = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes())
        if params != (1, 2, 16000, 0) or recorder.stat().st_size != 44:
            problems.append(f"Recorder.wav: {params}, must be an empty 16 kHz mono 16-bit WAV")
    except (OSError, wave.Error, EOFError) as e:
        problems.append(f"Recorder.wav: {e}")
    for name in ("check_0.jpg", "check_1.jpg"):
        try:
            if jpeg_size((root / "Bitmap" / name).read_bytes()) != (13, 13):
                problems.append(f"Bitmap/{name}: must be 13x13")
        except (OSError, ValueError, struct.error) as e:
            problems.append(f"Bitmap/{name}: {e}")
    page = root / "download.htm"
    if not page.exists() or not re.search(rb"<meta charset=\"?utf-8", page.read_bytes(), re.I):
        problems.append("download.htm: missing or without a UTF-8 meta charset")
    return problems


def main():
    parser = argparse.ArgumentParser(description="Build or check the bundled sample ProgramDir.")
    parser.add_argument("--check", nargs="?", const=str(DEFAULT_OUT), metavar="DIR",
                        help="check a ProgramDir (default: data/) instead of building")
    parser.add_argument("--out", default=str(DEFAULT_OUT), metavar="DIR",
                        help="where to build (default: data/)")
    args = parser.parse_args()
    if args.check:
        problems = check(args.check)
        for p in problems:
            print(p)
        print(f"{args.check}: {'FAILED, ' + str(len(problems)) + ' problem(s)' if problems else 'ok'}")
        return 1 if problems else 0
    try:
        build(Path(args.out))
    except CourseError as e:
        print(f"error: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

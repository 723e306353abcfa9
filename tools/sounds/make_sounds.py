#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesise every Pintaloo sound and write it to resources/sounds/.

How to run (from the repository root):

    python3 tools/sounds/make_sounds.py            # writes resources/sounds/*
    sh tools/sounds/measure.sh                     # refreshes tools/sounds/levels.txt

Optional argument: an output folder (default: resources/sounds next to this
tools/ folder).  Needs only the Python 3 standard library and the `lame`
command-line encoder (Debian package "lame") for the MP3 files.  Everything is
generated from formulas and a fixed random seed, so running it twice with the
same lame version gives byte-identical files.

The sounds:

  snd_102_click.wav     Button press: a short, soft wooden "tok" (a pitched
                        knock around 1 kHz that dies away in a few ms, with a
                        breath of filtered noise at the strike).
                        PCM 16-bit mono 11,025 Hz, 0.09 s.
  snd_103_magic.wav     The magic "oil painting" wand: five gentle chime notes
                        rising G5-C6-E6-G6-C7 with a sprinkle of tiny high
                        sparkles over them.  PCM 16-bit mono 22,050 Hz, 0.8 s.
  snd_104_pop.wav       Choosing a brush or stamp: a round bubble "bloop"
                        (a sine whose pitch springs upward) followed by a
                        smaller, higher bubble, placed slightly apart in
                        the stereo field.  PCM 16-bit stereo 44,100 Hz, 0.25 s.
  snd_105_sparkle.wav   Choosing a magic brush: two soft chime notes a
                        fifth apart (E6 then B6), the second a breath later,
                        with a few faint high sparkles.  PCM 16-bit mono
                        22,050 Hz, 0.35 s.
  snd_115_dab.wav       A colour picked from the rainbow or taken by the
                        dropper: one small soft bubble "blip", lower and
                        shorter than the brush's pop, so a drag across the
                        rainbow can repeat it without tiring.  PCM 16-bit
                        mono 22,050 Hz, 0.16 s.
  snd_122_hello.wav     A child chose their picture: a friendly "hel-lo"
                        on the mallet, G5 down to E5 and up to C6, the
                        last one left to ring.  PCM 16-bit mono 22,050 Hz,
                        0.7 s.
  snd_123_who.wav       The picker asks who is painting: two soft chime
                        notes rising a fourth (C6 then F6), like a question.
                        PCM 16-bit mono 22,050 Hz, 0.45 s.
  snd_1011_pageturn.wav Page turn: a soft paper swish (noise through a
                        band-pass filter sweeping upward, swelling and fading,
                        with a faint crinkle).  PCM 16-bit mono 11,025 Hz,
                        0.35 s.
  snd_1021_start.wav    Start jingle: mallet notes C5, E5, G5 and a final C6+E6
                        that rings out.  PCM 16-bit mono 11,025 Hz, 1.1 s.
  snd_077..101_tone.mp3 The eight colour tones, a C major scale C5 D5 E5 F5
                        G5 A5 B5 C6 on a marimba-like mallet (sine partials at
                        1, 4 and 10 times the fundamental, quick attack, soft
                        exponential decay, a little wooden knock at the onset).
                        0.5 s each; MPEG-2 Layer III 22,050 Hz mono 24 kbit/s
                        CBR.
  snd_1020_size.mp3     Brush size: a playful slide-whistle "boing", a soft
                        flute-like tone gliding up an octave and settling with
                        a little wobble.  0.6 s; MPEG-2 Layer III 22,050 Hz
                        mono 128 kbit/s CBR.

Levels: each sound is scaled so that its loudest 50 ms stretch has the same
RMS level (a little lower for the button click, which is heard very often,
and for the held brush-size tone, which sounds louder than a struck one),
and its peak is then held at or below PEAK_LIMIT_DB (under the -3 dBFS house
limit, with room for MP3 overshoot).  Every sound starts from silence with a
fade-in of a few milliseconds and ends with a fade-out to exactly zero.

The MP3 files are bare MPEG audio frame streams: no ID3 tags and no
Xing/Info/LAME header frame; the script checks this after encoding.
"""

import io
import math
import os
import random
import struct
import subprocess
import sys
import wave

SEED = 7311  # fixed: the noise in the sounds is the same on every run

WINDOW_RMS_DB = -12.0     # target level of the loudest 50 ms of each sound
CLICK_RMS_DB = -15.0      # the click is heard constantly, keep it softer
SUSTAINED_RMS_DB = -14.0  # a held tone sounds louder than a struck one
PEAK_LIMIT_DB = -4.5   # hard ceiling for the samples we write

TWO_PI = 2.0 * math.pi


# ----------------------------------------------------------------------------
# Small helpers
# ----------------------------------------------------------------------------

def note_hz(midi):
    """Equal-tempered frequency of a MIDI note number (A4 = 69 = 440 Hz)."""
    return 440.0 * 2.0 ** ((midi - 69) / 12.0)


def silence(seconds, rate):
    return [0.0] * int(round(seconds * rate))


def mix_into(dest, src, start_index, gain=1.0):
    """Adds src into dest starting at start_index (dest grows if needed)."""
    end = start_index + len(src)
    if end > len(dest):
        dest.extend([0.0] * (end - len(dest)))
    for i, v in enumerate(src):
        dest[start_index + i] += gain * v


def raised_cosine(x):
    """0 -> 1 smoothly for x in [0, 1]."""
    if x <= 0.0:
        return 0.0
    if x >= 1.0:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * x)


def apply_fades(samples, rate, fade_in, fade_out):
    """Raised-cosine fade-in and fade-out, so the ends are exactly zero."""
    n = len(samples)
    n_in = max(1, int(round(fade_in * rate)))
    n_out = max(1, int(round(fade_out * rate)))
    for i in range(min(n_in, n)):
        samples[i] *= raised_cosine(i / n_in)
    for i in range(min(n_out, n)):
        samples[n - 1 - i] *= raised_cosine(i / n_out)
    return samples


def one_pole_lowpass(samples, rate, cutoff):
    a = math.exp(-TWO_PI * cutoff / rate)
    out = []
    y = 0.0
    for x in samples:
        y = (1.0 - a) * x + a * y
        out.append(y)
    return out


def one_pole_highpass(samples, rate, cutoff):
    low = one_pole_lowpass(samples, rate, cutoff)
    return [x - l for x, l in zip(samples, low)]


def swept_bandpass(samples, rate, centre_of_t, q):
    """RBJ band-pass biquad (constant peak gain) whose centre follows
    centre_of_t(t); coefficients are refreshed every 16 samples."""
    out = []
    x1 = x2 = y1 = y2 = 0.0
    b0 = b2 = a1 = a2 = 0.0
    for i, x in enumerate(samples):
        if i % 16 == 0:
            f = centre_of_t(i / rate)
            w = TWO_PI * f / rate
            alpha = math.sin(w) / (2.0 * q)
            a0 = 1.0 + alpha
            b0 = alpha / a0
            b2 = -alpha / a0
            a1 = -2.0 * math.cos(w) / a0
            a2 = (1.0 - alpha) / a0
        y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1 = x1, x
        y2, y1 = y1, y
        out.append(y)
    return out


def white_noise(rng, n):
    return [rng.uniform(-1.0, 1.0) for _ in range(n)]


def db(x):
    return 20.0 * math.log10(x) if x > 0 else -999.0


def peak_of(channels):
    return max(abs(v) for ch in channels for v in ch)


def max_window_rms(channels, rate, window=0.05):
    """RMS of the loudest 50 ms stretch (channels averaged in power)."""
    n = len(channels[0])
    w = max(1, int(window * rate))
    hop = max(1, w // 4)
    best = 0.0
    for start in range(0, max(1, n - w + 1), hop):
        acc = 0.0
        for ch in channels:
            for v in ch[start:start + w]:
                acc += v * v
        best = max(best, acc / (w * len(channels)))
    return math.sqrt(best)


def level(channels, rate, target_rms_db):
    """Scales the channels to the target window RMS, then caps the peak."""
    gain = 10.0 ** (target_rms_db / 20.0) / max_window_rms(channels, rate)
    limit = 10.0 ** (PEAK_LIMIT_DB / 20.0)
    peak = peak_of(channels) * gain
    if peak > limit:
        gain *= limit / peak
    return [[v * gain for v in ch] for ch in channels]


def to_pcm16(channels):
    """Interleaves and rounds float channels into 16-bit little-endian PCM."""
    n = len(channels[0])
    out = bytearray()
    for i in range(n):
        for ch in channels:
            v = int(round(ch[i] * 32767.0))
            v = max(-32767, min(32767, v))
            out += struct.pack('<h', v)
    return bytes(out)


def wav_bytes(channels, rate):
    buf = io.BytesIO()
    with wave.open(buf, 'wb') as w:
        w.setnchannels(len(channels))
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(to_pcm16(channels))
    return buf.getvalue()


def write_file(path, data):
    with open(path, 'wb') as f:
        f.write(data)
    print('wrote %-24s %7d bytes' % (os.path.basename(path), len(data)))


def encode_mp3(wav, bitrate_kbps):
    """Encodes a 22,050 Hz mono WAV with lame into a bare CBR MPEG-2 Layer III
    stream (no Info frame, no ID3 tags) and checks the result."""
    cmd = ['lame', '--quiet', '-t', '--cbr', '-b', str(bitrate_kbps),
           '-m', 'm', '--resample', '22.05', '-q', '2', '--noreplaygain',
           '-', '-']
    mp3 = subprocess.run(cmd, input=wav, stdout=subprocess.PIPE,
                         check=True).stdout
    check_bare_mp3(mp3, bitrate_kbps)
    return mp3


def check_bare_mp3(mp3, bitrate_kbps):
    if len(mp3) < 4 or mp3[0] != 0xFF or (mp3[1] & 0xE0) != 0xE0:
        raise RuntimeError('MP3 does not start with an MPEG frame sync')
    if mp3[:3] == b'ID3' or (len(mp3) >= 128 and mp3[-128:-125] == b'TAG'):
        raise RuntimeError('MP3 carries an ID3 tag')
    if b'Xing' in mp3[:400] or b'Info' in mp3[:400] or b'LAME' in mp3[:400]:
        raise RuntimeError('MP3 carries an Info/Xing header frame')
    version_bits = (mp3[1] >> 3) & 0x3
    layer_bits = (mp3[1] >> 1) & 0x3
    rate_bits = (mp3[2] >> 2) & 0x3
    mode_bits = (mp3[3] >> 6) & 0x3
    mpeg2_l3_kbps = [0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128,
                     144, 160]
    if version_bits != 0b10 or layer_bits != 0b01 or rate_bits != 0:
        raise RuntimeError('MP3 is not MPEG-2 Layer III at 22,050 Hz')
    if mode_bits != 0b11:
        raise RuntimeError('MP3 is not mono')
    if mpeg2_l3_kbps[mp3[2] >> 4] != bitrate_kbps:
        raise RuntimeError('MP3 bitrate differs from %d kbit/s' % bitrate_kbps)


# ----------------------------------------------------------------------------
# Instruments
# ----------------------------------------------------------------------------

def wood_knock(rng, rate, length, brightness=2500.0, decay=0.004):
    """A tiny band-limited noise burst: the rattle of a wooden knock."""
    n = int(length * rate)
    noise = white_noise(rng, n)
    noise = one_pole_lowpass(one_pole_lowpass(noise, rate, brightness),
                             rate, brightness)
    noise = one_pole_highpass(noise, rate, 300.0)
    attack = max(1, int(0.0008 * rate))
    out = []
    for i, v in enumerate(noise):
        t = i / rate
        env = math.exp(-t / decay) * raised_cosine(i / attack)
        out.append(v * env)
    return out


def mallet_knock(rate, length, attack=0.002, decay=0.003):
    """The felt head touching the wooden bar: two short, damped high
    resonances.  Being tonal rather than noisy, it stays clean through the
    MP3 encoder (no smeared noise before the note)."""
    out = []
    for i in range(int(length * rate)):
        t = i / rate
        env = raised_cosine(t / attack) * math.exp(-t / decay)
        out.append(env * (math.sin(TWO_PI * 1900.0 * t)
                          + 0.6 * math.sin(TWO_PI * 3150.0 * t + 1.0)))
    return out


def mallet(rate, freq, length, decay=0.2, knock=0.08):
    """Marimba-like bar: partials near 1, 4 and 10 times the fundamental
    (a tuned bar's overtones), the upper ones dying away much faster, a
    6 ms swell so the strike is round, plus a little wooden knock at the
    onset.  Partials above 0.42 x rate are left out so nothing folds back."""
    partials = [  # ratio, amplitude, decay as a fraction of the fundamental's
        (1.0, 1.00, 1.00),
        (3.99, 0.22, 0.22),
        (9.9, 0.05, 0.08),
    ]
    n = int(length * rate)
    attack = 0.006
    out = [0.0] * n
    for ratio, amp, dfrac in partials:
        f = freq * ratio
        if f > 0.42 * rate:
            continue
        tau = decay * dfrac
        w = TWO_PI * f / rate
        for i in range(n):
            t = i / rate
            out[i] += amp * math.sin(w * i) * math.exp(-t / tau)
    for i in range(min(n, int(attack * rate))):
        out[i] *= raised_cosine(i / (attack * rate))
    mix_into(out, mallet_knock(rate, min(length, 0.03)), 0, knock)
    return out[:n]


def chime(rate, freq, length, decay=0.3):
    """A gentle bell-like chime: a pure fundamental with soft inharmonic
    partials that fade quickly."""
    partials = [(1.0, 1.0, 1.0), (2.76, 0.18, 0.35), (5.40, 0.05, 0.15)]
    n = int(length * rate)
    out = [0.0] * n
    attack = int(0.003 * rate)
    for ratio, amp, dfrac in partials:
        f = freq * ratio
        if f > 0.42 * rate:
            continue
        w = TWO_PI * f / rate
        tau = decay * dfrac
        for i in range(n):
            out[i] += amp * math.sin(w * i) * math.exp(-(i / rate) / tau)
    for i in range(min(n, attack)):
        out[i] *= raised_cosine(i / attack)
    return out


# ----------------------------------------------------------------------------
# The sounds
# ----------------------------------------------------------------------------

def make_click(rng):
    rate = 11025
    length = 0.09
    n = int(length * rate)
    out = [0.0] * n
    # A hollow wooden "tok": a body resonance that drops a little in pitch,
    # a weaker higher mode that dies twice as fast.
    phase1 = phase2 = 0.0
    for i in range(n):
        t = i / rate
        f1 = 820.0 + 260.0 * math.exp(-t / 0.006)
        phase1 += TWO_PI * f1 / rate
        phase2 += TWO_PI * 2.3 * f1 / rate
        out[i] = (math.sin(phase1) * math.exp(-t / 0.011)
                  + 0.25 * math.sin(phase2) * math.exp(-t / 0.005))
    k = wood_knock(rng, rate, 0.03, brightness=2200.0, decay=0.003)
    kpk = max(abs(v) for v in k)
    mix_into(out, k, 0, 0.35 / kpk)
    out = out[:n]
    apply_fades(out, rate, 0.0025, 0.015)
    return rate, level([out], rate, CLICK_RMS_DB)


def make_magic(rng):
    rate = 22050
    length = 0.8
    n = int(length * rate)
    out = [0.0] * n
    notes = [79, 84, 88, 91, 96]  # G5 C6 E6 G6 C7: a rising C major arpeggio
    step = 0.075
    for k, m in enumerate(notes):
        start = k * step
        # Later notes a touch softer so the top does not poke out.
        g = 1.0 - 0.09 * k
        c = chime(rate, note_hz(m), length - start, decay=0.22 + 0.03 * k)
        mix_into(out, c, int(start * rate), g)
    # Sparkles: tiny high grains scattered over the arpeggio, thickest in
    # the middle, each with a smooth Hann envelope.
    for _ in range(38):
        t0 = 0.03 + 0.62 * rng.random() ** 1.2
        dur = rng.uniform(0.025, 0.06)
        f = rng.uniform(3200.0, 7500.0)
        amp = rng.uniform(0.04, 0.10) * (1.0 - 0.6 * t0 / 0.7)
        gn = int(dur * rate)
        w = TWO_PI * f / rate
        ph = rng.uniform(0.0, TWO_PI)
        grain = [amp * math.sin(ph + w * i) *
                 (0.5 - 0.5 * math.cos(TWO_PI * i / (gn - 1)))
                 for i in range(gn)]
        mix_into(out, grain, int(t0 * rate))
    out = out[:n]
    # Let the last chime die away over the final 150 ms.
    tail = int(0.15 * rate)
    for i in range(tail):
        out[n - tail + i] *= 1.0 - raised_cosine(i / tail)
    apply_fades(out, rate, 0.003, 0.005)
    return rate, level([out], rate, WINDOW_RMS_DB)


def make_sparkle(rng):
    # A quieter cousin of the wand's arpeggio: heard each time a child picks
    # a magic brush, so two notes only, and short.
    rate = 22050
    length = 0.35
    n = int(length * rate)
    out = [0.0] * n
    for k, (m, g) in enumerate([(88, 1.0), (95, 0.7)]):  # E6, B6
        start = 0.06 * k
        mix_into(out, chime(rate, note_hz(m), length - start, decay=0.16), int(start * rate), g)
    for _ in range(9):
        t0 = 0.02 + 0.18 * rng.random()
        gn = int(rng.uniform(0.02, 0.04) * rate)
        w = TWO_PI * rng.uniform(4000.0, 7000.0) / rate
        amp = rng.uniform(0.03, 0.07)
        grain = [amp * math.sin(w * i) * (0.5 - 0.5 * math.cos(TWO_PI * i / (gn - 1))) for i in range(gn)]
        mix_into(out, grain, int(t0 * rate))
    out = out[:n]
    tail = int(0.1 * rate)
    for i in range(tail):
        out[n - tail + i] *= 1.0 - raised_cosine(i / tail)
    apply_fades(out, rate, 0.004, 0.005)
    return rate, level([out], rate, WINDOW_RMS_DB - 2.0)


def bubble(rate, length, f_start, f_end, rise, decay):
    """A bubble "bloop": a sine whose pitch springs from f_start towards
    f_end, with a quick swell and an exponential fade."""
    n = int(length * rate)
    out = []
    phase = 0.0
    attack = 0.004
    for i in range(n):
        t = i / rate
        f = f_end + (f_start - f_end) * math.exp(-t / rise)
        phase += TWO_PI * f / rate
        env = (raised_cosine(t / attack) * math.exp(-t / decay)
               * (1.0 - raised_cosine((i - 0.7 * n) / (0.3 * n))))
        out.append(math.sin(phase) * env + 0.12 * math.sin(2 * phase) * env)
    return out


def make_pop(rng):
    rate = 44100
    length = 0.25
    n = int(length * rate)
    left = [0.0] * n
    right = [0.0] * n
    big = bubble(rate, 0.2, 380.0, 980.0, 0.018, 0.035)
    small = bubble(rate, 0.12, 700.0, 1500.0, 0.012, 0.022)
    # Big bubble a little left of centre, the small one a little right.
    mix_into(left, big, 0, 0.62)
    mix_into(right, big, 0, 0.52)
    s0 = int(0.065 * rate)
    mix_into(left, small, s0, 0.22)
    mix_into(right, small, s0, 0.32)
    left, right = left[:n], right[:n]
    apply_fades(left, rate, 0.003, 0.02)
    apply_fades(right, rate, 0.003, 0.02)
    return rate, level([left, right], rate, WINDOW_RMS_DB)


def make_dab(rng):
    # Heard again and again while a finger drags over the rainbow: soft,
    # short, and round, a dab of paint on the brush.
    rate = 22050
    length = 0.16
    n = int(length * rate)
    out = [0.0] * n
    mix_into(out, bubble(rate, 0.14, 420.0, 720.0, 0.012, 0.03), 0)
    out = out[:n]
    apply_fades(out, rate, 0.003, 0.02)
    return rate, level([out], rate, WINDOW_RMS_DB - 3.0)


def make_hello(rng):
    # Heard once a turn: warm mallet notes that greet the child by their
    # picture, a little tune rather than a signal.
    rate = 22050
    length = 0.7
    n = int(length * rate)
    out = [0.0] * n
    for start, m, g in [(0.0, 79, 0.8), (0.13, 76, 0.7), (0.26, 84, 1.0)]:  # G5 E5 C6
        mix_into(out, mallet(rate, note_hz(m), length - start, decay=0.22 if m != 84 else 0.4), int(start * rate), g)
    out = out[:n]
    apply_fades(out, rate, 0.003, 0.08)
    return rate, level([out], rate, WINDOW_RMS_DB - 1.0)


def make_who(rng):
    # A question without words: two chimes rising, softer than the wand.
    rate = 22050
    length = 0.45
    n = int(length * rate)
    out = [0.0] * n
    for k, (m, g) in enumerate([(84, 0.8), (89, 1.0)]):  # C6, F6
        start = 0.12 * k
        mix_into(out, chime(rate, note_hz(m), length - start, decay=0.2), int(start * rate), g)
    out = out[:n]
    apply_fades(out, rate, 0.004, 0.06)
    return rate, level([out], rate, WINDOW_RMS_DB - 2.0)


def make_pageturn(rng):
    rate = 11025
    length = 0.35
    n = int(length * rate)
    noise = white_noise(rng, n)
    # The swish: the band rises as the page sweeps over.
    swish = swept_bandpass(noise, rate,
                           lambda t: 700.0 + 2600.0 * raised_cosine(t / 0.3),
                           q=0.9)
    swish = one_pole_lowpass(swish, rate, 3800.0)
    out = []
    for i, v in enumerate(swish):
        t = i / rate
        # Swell up over ~120 ms, then fade; asymmetric like a real turn.
        env = raised_cosine(t / 0.12) * (1.0 - raised_cosine((t - 0.1) / 0.24))
        out.append(v * env)
    # A faint crinkle: a few very short, soft noise ticks near the middle.
    for _ in range(6):
        t0 = rng.uniform(0.08, 0.22)
        gn = int(rng.uniform(0.004, 0.009) * rate)
        amp = rng.uniform(0.05, 0.10)
        tick = one_pole_lowpass(white_noise(rng, gn), rate, 2500.0)
        tick = [amp * v * (0.5 - 0.5 * math.cos(TWO_PI * i / (gn - 1)))
                for i, v in enumerate(tick)]
        mix_into(out, tick, int(t0 * rate))
    out = out[:n]
    apply_fades(out, rate, 0.005, 0.01)
    return rate, level([out], rate, WINDOW_RMS_DB)


def make_start(rng):
    rate = 11025
    length = 1.1
    n = int(length * rate)
    out = [0.0] * n
    # C5, E5, G5, then C6 with E6 on top: a bright "ta-da".
    hits = [(0.00, 72, 1.00, 0.18), (0.13, 76, 0.95, 0.18),
            (0.26, 79, 0.92, 0.18), (0.42, 84, 0.95, 0.32),
            (0.42, 88, 0.45, 0.28)]
    for start, m, g, decay in hits:
        note = mallet(rate, note_hz(m), length - start, decay=decay)
        mix_into(out, note, int(start * rate), g)
    out = out[:n]
    tail = int(0.2 * rate)
    for i in range(tail):
        out[n - tail + i] *= 1.0 - raised_cosine(i / tail)
    apply_fades(out, rate, 0.004, 0.005)
    return rate, level([out], rate, WINDOW_RMS_DB)


TONE_NOTES = [(77, 72), (81, 74), (85, 76), (87, 77), (91, 79), (95, 81),
              (99, 83), (101, 84)]  # (file number, MIDI note) C5..C6


def make_tone(rng, midi):
    rate = 22050
    length = 0.5
    freq = note_hz(midi)
    # Higher bars ring a little shorter, as on a real marimba.
    decay = 0.17 * (note_hz(72) / freq) ** 0.35
    out = mallet(rate, freq, length, decay=decay)
    n = len(out)
    tail = int(0.08 * rate)
    for i in range(tail):
        out[n - tail + i] *= 1.0 - raised_cosine(i / tail)
    apply_fades(out, rate, 0.004, 0.005)
    return rate, level([out], rate, WINDOW_RMS_DB)


def make_size(rng):
    rate = 22050
    length = 0.6
    n = int(length * rate)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / rate
        # Glide up an octave (G4 to G5) with an ease-in-out curve, then a
        # decaying wobble: the "boing" of a spring coming to rest.
        glide = raised_cosine(t / 0.26)
        f = 392.0 * 2.0 ** glide
        wob = 0.06 * math.exp(-max(0.0, t - 0.22) / 0.15) * raised_cosine(
            (t - 0.14) / 0.1)
        f *= 1.0 + wob * math.sin(TWO_PI * 10.0 * (t - 0.14))
        phase += TWO_PI * f / rate
        env = raised_cosine(t / 0.025) * (1.0 - raised_cosine((t - 0.3) / 0.3))
        # A soft flute-like timbre: mostly sine, a whisper of overtones.
        v = (math.sin(phase) + 0.14 * math.sin(2 * phase)
             + 0.04 * math.sin(3 * phase))
        out.append(v * env)
    apply_fades(out, rate, 0.005, 0.005)
    return rate, level([out], rate, SUSTAINED_RMS_DB)


# ----------------------------------------------------------------------------

def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.normpath(os.path.join(here, '..', '..', 'resources',
                                                'sounds'))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else default_out
    os.makedirs(out_dir, exist_ok=True)

    # One generator per sound, each seeded from SEED and the sound's name, so
    # changing one sound never changes the noise in another.
    def rng_for(name):
        return random.Random('%d:%s' % (SEED, name))

    for name, maker in [('snd_102_click.wav', make_click),
                        ('snd_103_magic.wav', make_magic),
                        ('snd_104_pop.wav', make_pop),
                        ('snd_105_sparkle.wav', make_sparkle),
                        ('snd_115_dab.wav', make_dab),
                        ('snd_122_hello.wav', make_hello),
                        ('snd_123_who.wav', make_who),
                        ('snd_1011_pageturn.wav', make_pageturn),
                        ('snd_1021_start.wav', make_start)]:
        rate, channels = maker(rng_for(name))
        write_file(os.path.join(out_dir, name), wav_bytes(channels, rate))

    for number, midi in TONE_NOTES:
        name = 'snd_%03d_tone.mp3' % number
        rate, channels = make_tone(rng_for(name), midi)
        write_file(os.path.join(out_dir, name),
                   encode_mp3(wav_bytes(channels, rate), 24))

    name = 'snd_1020_size.mp3'
    rate, channels = make_size(rng_for(name))
    write_file(os.path.join(out_dir, name),
               encode_mp3(wav_bytes(channels, rate), 128))


if __name__ == '__main__':
    main()

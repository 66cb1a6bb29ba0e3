// The game's sound through the desktop's sound server (PulseAudio, or
// PipeWire through pipewire-pulse): one stream, fed by the game's own mixer
// on the sound library's thread, corked while nothing plays. A module of
// its own, linked to libpulse, loaded after the first frame: libpulse and
// the dozen libraries it brings never delay the start.
#include "app/modules/sound_module.h"

#include <fcntl.h>
#include <pulse/pulseaudio.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "game/cues.h"
#include "sound/mixer.h"
#include "sound/synth.h"

using namespace zandovik;

namespace {

// About 20 ms in the server's buffer: a cue is heard within a tick or so.
constexpr std::uint32_t kTargetBytes = sound::kRate / 50 * 2;
// Silence written after the last effect before the stream is corked, so
// the tail of an effect is never held back.
constexpr std::size_t kTailSamples = sound::kRate / 5;
constexpr int kQueue = 64;  // cues between two wake-ups of the sound thread
}  // namespace

struct ZandovikSound {
  std::string app_id;
  pa_threaded_mainloop* loop = nullptr;
  pa_context* context = nullptr;
  pa_stream* stream = nullptr;
  pa_io_event* wake_event = nullptr;
  int wake[2] = {-1, -1};
  bool corked = true;
  bool said_gone = false;
  std::size_t silent = 0;
  sound::Effects effects;
  sound::Mixer mixer;
  // Cues from the event thread: one writer, one reader, no lock.
  std::array<std::pair<game::Cue, int>, kQueue> queue{};
  std::atomic<unsigned> head{0}, tail{0};
  // Bumped by the event thread for silence now; the last one acted on.
  std::atomic<unsigned> hush{0};
  unsigned hush_seen = 0;

  const sound::Samples* samples_for(game::Cue c, int value) const {
    if (c != game::Cue::brick) return &effects[c];
    return value >= 1 && value <= 8 ? &effects.brick[value] : nullptr;
  }

  void connect() {
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "zandovik");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, app_id.c_str());
    pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, app_id.c_str());
    context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop), "zandovik", props);
    pa_proplist_free(props);
    if (!context) return;
    pa_context_set_state_callback(context, on_context_state, this);
    // Never start a server of our own; wait for one to appear instead.
    pa_context_connect(context, nullptr,
                       static_cast<pa_context_flags_t>(PA_CONTEXT_NOAUTOSPAWN | PA_CONTEXT_NOFAIL),
                       nullptr);
  }

  static void on_context_state(pa_context* c, void* self_) {
    auto* self = static_cast<ZandovikSound*>(self_);
    switch (pa_context_get_state(c)) {
      case PA_CONTEXT_READY:
        self->open_stream();
        break;
      case PA_CONTEXT_FAILED:
      case PA_CONTEXT_TERMINATED:
        if (!self->said_gone) {
          std::fprintf(stderr, "zandovik: the sound server went away; silent until it is back\n");
          self->said_gone = true;
        }
        self->drop_stream();
        self->retry_soon();  // and wait for it to come back
        break;
      default:
        break;
    }
  }

  // Not from inside the context's own callback: a moment later.
  void retry_soon() {
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop);
    timeval when{};
    pa_timeval_add(pa_gettimeofday(&when), 1000 * 1000);
    api->time_new(api, &when, on_retry, this);
  }

  static void on_retry(pa_mainloop_api* api, pa_time_event* ev, const timeval*, void* self_) {
    auto* self = static_cast<ZandovikSound*>(self_);
    api->time_free(ev);
    if (self->context) {
      pa_context_set_state_callback(self->context, nullptr, nullptr);
      pa_context_unref(self->context);
      self->context = nullptr;
    }
    self->connect();
  }

  void open_stream() {
    const pa_sample_spec spec{PA_SAMPLE_S16LE, sound::kRate, 1};
    stream = pa_stream_new(context, "effects", &spec, nullptr);
    if (!stream) return;
    pa_stream_set_write_callback(stream, on_write, this);
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = kTargetBytes;
    attr.prebuf = static_cast<std::uint32_t>(-1);
    attr.minreq = kTargetBytes / 2;  // a wake-up every 10 ms while it plays
    attr.fragsize = static_cast<std::uint32_t>(-1);
    corked = !mixer.playing();
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY |
                                                      (corked ? PA_STREAM_START_CORKED : 0));
    pa_stream_connect_playback(stream, nullptr, &attr, flags, nullptr, nullptr);
  }

  void drop_stream() {
    if (!stream) return;
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
    stream = nullptr;
  }

  static void on_write(pa_stream* s, size_t bytes, void* self_) {
    auto* self = static_cast<ZandovikSound*>(self_);
    void* data = nullptr;
    if (pa_stream_begin_write(s, &data, &bytes) < 0 || !data) return;
    const std::size_t n = bytes / 2;
    self->mixer.mix(static_cast<std::int16_t*>(data), n);
    pa_stream_write(s, data, n * 2, nullptr, 0, PA_SEEK_RELATIVE);
    self->silent = self->mixer.playing() ? 0 : self->silent + n;
    if (self->silent >= kTailSamples && !self->corked) {
      self->corked = true;  // nothing plays: the stream idles
      pa_operation_unref(pa_stream_cork(s, 1, nullptr, nullptr));
    }
  }

  // The event thread dropped cues in the queue and poked the pipe.
  static void on_wake(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* self_) {
    auto* self = static_cast<ZandovikSound*>(self_);
    char buf[64];
    while (::read(fd, buf, sizeof buf) > 0) {
    }
    self->drain();
  }

  // Everything playing or queued stops, and what the server holds is
  // dropped, so nothing more is heard.
  void hush_now() {
    tail.store(head.load(std::memory_order_acquire), std::memory_order_release);
    mixer.stop();
    silent = kTailSamples;
    if (!stream || pa_stream_get_state(stream) != PA_STREAM_READY) return;
    pa_operation_unref(pa_stream_flush(stream, nullptr, nullptr));
    if (!corked) {
      corked = true;
      pa_operation_unref(pa_stream_cork(stream, 1, nullptr, nullptr));
    }
  }

  void drain() {
    if (const unsigned want = hush.load(std::memory_order_acquire); want != hush_seen) {
      hush_seen = want;
      hush_now();
    }
    unsigned t = tail.load(std::memory_order_relaxed);
    const unsigned h = head.load(std::memory_order_acquire);
    bool started = false;
    for (; t != h; ++t) {
      const auto [cue, value] = queue[t % kQueue];
      if (const auto* samples = samples_for(cue, value)) {
        mixer.play(*samples);
        started = true;
      }
    }
    tail.store(t, std::memory_order_release);
    if (!started || !stream || pa_stream_get_state(stream) != PA_STREAM_READY) return;
    silent = 0;
    if (corked) {
      corked = false;
      pa_operation_unref(pa_stream_cork(stream, 0, nullptr, nullptr));
    }
  }
};

extern "C" {

ZANDOVIK_SOUND_EXPORT ZandovikSound* zandovik_sound_open(const char* app_id) {
  auto engine = std::make_unique<ZandovikSound>();
  ZandovikSound& e = *engine;
  e.app_id = app_id;
  e.effects = sound::make_effects();
  if (::pipe2(e.wake, O_NONBLOCK | O_CLOEXEC) != 0) {
    return nullptr;
  }
  e.loop = pa_threaded_mainloop_new();
  if (!e.loop) {
    return nullptr;
  }
  pa_threaded_mainloop_set_name(e.loop, "zandovik-sound");
  pa_mainloop_api* api = pa_threaded_mainloop_get_api(e.loop);
  e.wake_event = api->io_new(api, e.wake[0], PA_IO_EVENT_INPUT, ZandovikSound::on_wake, &e);
  e.connect();
  if (pa_threaded_mainloop_start(e.loop) < 0) {
    std::fprintf(stderr, "zandovik: cannot start the sound thread; playing silently\n");
    if (e.context) pa_context_unref(e.context);
    api->io_free(e.wake_event);
    pa_threaded_mainloop_free(e.loop);
    ::close(e.wake[0]);
    ::close(e.wake[1]);
    return nullptr;
  }
  return engine.release();
}

ZANDOVIK_SOUND_EXPORT void zandovik_sound_close(ZandovikSound* engine) {
  if (!engine) return;
  ZandovikSound& e = *engine;
  pa_threaded_mainloop_lock(e.loop);
  e.drop_stream();
  if (e.context) {
    pa_context_set_state_callback(e.context, nullptr, nullptr);
    pa_context_disconnect(e.context);
    pa_context_unref(e.context);
  }
  pa_threaded_mainloop_get_api(e.loop)->io_free(e.wake_event);
  pa_threaded_mainloop_unlock(e.loop);
  pa_threaded_mainloop_stop(e.loop);
  pa_threaded_mainloop_free(e.loop);
  ::close(e.wake[0]);
  ::close(e.wake[1]);
  delete engine;
}

ZANDOVIK_SOUND_EXPORT void zandovik_sound_silence(ZandovikSound* engine) {
  if (!engine) return;
  engine->hush.fetch_add(1, std::memory_order_release);
  const char byte = 1;
  [[maybe_unused]] auto n = ::write(engine->wake[1], &byte, 1);
}

ZANDOVIK_SOUND_EXPORT void zandovik_sound_play(ZandovikSound* engine, int cue, int value) {
  if (!engine) return;
  ZandovikSound& e = *engine;
  const auto c = static_cast<game::Cue>(cue);
  const unsigned h = e.head.load(std::memory_order_relaxed);
  if (h - e.tail.load(std::memory_order_acquire) >= kQueue) return;  // full: drop it
  e.queue[h % kQueue] = {c, value};
  e.head.store(h + 1, std::memory_order_release);
  const char byte = 1;
  [[maybe_unused]] auto n = ::write(e.wake[1], &byte, 1);
}
}

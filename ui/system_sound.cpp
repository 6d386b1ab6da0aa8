#include "system_sound.h"

#include <QApplication>

#ifdef BREATHLAB_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace breathlab {

#ifdef BREATHLAB_HAVE_CANBERRA
namespace {

// One context for the program's life; libcanberra plays asynchronously. It
// talks to the desktop's sound server only: without one (a machine with no
// sound card, a test run) the plain ALSA fallback would only print errors.
ca_context* SoundContext() {
    static ca_context* context = [] {
        ca_context* c = nullptr;
        if (ca_context_create(&c) != CA_SUCCESS) return static_cast<ca_context*>(nullptr);
        if (ca_context_set_driver(c, "pulse") != CA_SUCCESS) {
            ca_context_destroy(c);
            return static_cast<ca_context*>(nullptr);
        }
        return c;
    }();
    return context;
}

} // namespace
#endif

void PlaySystemSound(SystemSound sound) {
#ifdef BREATHLAB_HAVE_CANBERRA
    // The freedesktop sound theme's names for the error and information sounds.
    const char* event = sound == SystemSound::Error ? "dialog-error" : "dialog-information";
    if (ca_context* context = SoundContext();
        context && ca_context_play(context, 0, CA_PROP_EVENT_ID, event, nullptr) == CA_SUCCESS)
        return;
#else
    (void)sound;
#endif
    QApplication::beep();
}

} // namespace breathlab

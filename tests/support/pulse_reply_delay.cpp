// Test-only LD_PRELOAD library: makes a rare race of Qt 6.4's PulseAudio
// backend at exit happen every time. When an introspection request (sink,
// source or server info) has been sent on libpulse's mainloop thread, it
// waits PULSE_REPLY_DELAY_MS before libpulse registers the reply handler, as
// a descheduled thread on a busy machine would. Timing only: no data changes.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

extern "C" {

typedef void *(*by_index_fn)(void *context, uint32_t index, void *callback, void *userdata);
typedef void *(*info_fn)(void *context, void *callback, void *userdata);
typedef void (*send_fn)(void *pstream, void *tagstruct, const void *creds);

static thread_local int t_requesting;

static void *next_symbol(const char *name)
{
    return dlsym(RTLD_NEXT, name);
}

void *pa_context_get_sink_info_by_index(void *c, uint32_t idx, void *cb, void *ud)
{
    static by_index_fn real;
    if (!real)
        real = reinterpret_cast<by_index_fn>(next_symbol("pa_context_get_sink_info_by_index"));
    t_requesting = 1;
    void *op = real(c, idx, cb, ud);
    t_requesting = 0;
    return op;
}

void *pa_context_get_source_info_by_index(void *c, uint32_t idx, void *cb, void *ud)
{
    static by_index_fn real;
    if (!real)
        real = reinterpret_cast<by_index_fn>(next_symbol("pa_context_get_source_info_by_index"));
    t_requesting = 1;
    void *op = real(c, idx, cb, ud);
    t_requesting = 0;
    return op;
}

void *pa_context_get_server_info(void *c, void *cb, void *ud)
{
    static info_fn real;
    if (!real)
        real = reinterpret_cast<info_fn>(next_symbol("pa_context_get_server_info"));
    t_requesting = 1;
    void *op = real(c, cb, ud);
    t_requesting = 0;
    return op;
}

// libpulse sends every request through this function, then registers the
// reply handler.
void pa_pstream_send_tagstruct_with_creds(void *p, void *t, const void *creds)
{
    static send_fn real;
    if (!real)
        real = reinterpret_cast<send_fn>(next_symbol("pa_pstream_send_tagstruct_with_creds"));
    real(p, t, creds);
    const char *ms = std::getenv("PULSE_REPLY_DELAY_MS");
    if (t_requesting && ms)
        usleep(useconds_t(std::atoi(ms)) * 1000);
}

}  // extern "C"

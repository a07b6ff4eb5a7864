#include "MpvHandle.h"
#include "MpvApi.h"

#include <QtGlobal>
#include <clocale>
#include <mpv/client.h>

namespace Mpv {

MpvHandle createCore(const OptionList &options)
{
    // mpv refuses to start when the decimal separator is not '.', as under many
    // European locales that the application object takes from the environment.
    std::setlocale(LC_NUMERIC, "C");

    if (!loadApi())
        return {};
    MpvHandle core(api().create(), [](mpv_handle *handle) {
        if (handle)
            api().terminate_destroy(handle);
    });
    if (!core)
        return {};

    const OptionList defaults = {
        {"config", "no"},
        {"load-scripts", "no"},
        {"ytdl", "no"},
        {"terminal", "no"},
        {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"input-cursor", "no"},
        {"osc", "no"},
        {"load-stats-overlay", "no"},
        {"load-osd-console", "no"},
        {"load-auto-profiles", "no"},
        {"osd-level", "0"},
        {"idle", "yes"},
        {"keep-open", "no"},
        {"audio-pitch-correction", "yes"},
        {"gpu-hwdec-interop", "no"},
        {"audio-display", "no"},
        {"audio-client-name", "Lyrabox"},
    };
    OptionList diagnostics;
    // A path in LYRABOX_MPV_LOG makes mpv write its verbose log there.
    if (const QByteArray log = qgetenv("LYRABOX_MPV_LOG"); !log.isEmpty())
        diagnostics = {{"log-file", log}, {"msg-level", "all=v"}};
    for (const auto &list : {defaults, options, diagnostics}) {
        for (const auto &[name, value] : list) {
            if (api().set_option_string(core.get(), name.constData(), value.constData()) < 0)
                qWarning("mpv: option %s=%s refused", name.constData(), value.constData());
        }
    }
    if (api().initialize(core.get()) < 0)
        return {};
    return core;
}

} // namespace Mpv

// Kept apart from Qt: GLib's headers and Qt's keywords do not mix.
#include "AutostartProbe.h"

#include "core/base/AgentConfig.h"

#include <glib.h>
#include <memory>
#include <system_error>

namespace eboardctl {

namespace {

constexpr const char* kGroup = "Desktop Entry";

struct GFreeDeleter {
    void operator()(void* memory) const { g_free(memory); }
};
using GText = std::unique_ptr<gchar, GFreeDeleter>;

// A key's string, or empty.
std::string stringValue(GKeyFile* file, const char* key) {
    const GText value(g_key_file_get_string(file, kGroup, key, nullptr));
    return value ? value.get() : "";
}

bool booleanValue(GKeyFile* file, const char* key, bool fallback) {
    GError* error = nullptr;
    const gboolean value = g_key_file_get_boolean(file, kGroup, key, &error);
    if (error != nullptr) {
        g_error_free(error);
        return fallback;
    }
    return value != FALSE;
}

bool onPath(const std::string& program) {
    return !program.empty() && GText(g_find_program_in_path(program.c_str())) != nullptr;
}

} // namespace

eboard::DoctorFacts::Autostart probeAutostart() {
    eboard::DoctorFacts::Autostart entry;
    entry.path = eboard::autostartEntryPath().string();
    std::error_code error;
    entry.present = std::filesystem::exists(entry.path, error);
    if (!entry.present) {
        return entry;
    }
    // Read as the session reads it (the Desktop Entry key-file syntax, Exec's quoting).
    const std::unique_ptr<GKeyFile, decltype(&g_key_file_free)> file(g_key_file_new(),
                                                                     &g_key_file_free);
    if (!g_key_file_load_from_file(file.get(), entry.path.c_str(), G_KEY_FILE_NONE, nullptr)) {
        return entry;
    }
    gint argc = 0;
    gchar** argv = nullptr;
    const std::string exec = stringValue(file.get(), "Exec");
    if (exec.empty() || !g_shell_parse_argv(exec.c_str(), &argc, &argv, nullptr)) {
        return entry;
    }
    entry.valid = true;
    entry.program = argv[0];
    g_strfreev(argv);
    entry.programFound = onPath(entry.program);
    // A session skips the entry when TryExec's program is not there.
    if (const std::string tryExec = stringValue(file.get(), "TryExec");
        !tryExec.empty() && !onPath(tryExec)) {
        entry.program = tryExec;
        entry.programFound = false;
    }
    entry.disabled = booleanValue(file.get(), "Hidden", false) ||
                     !booleanValue(file.get(), "X-GNOME-Autostart-enabled", true);
    return entry;
}

} // namespace eboardctl

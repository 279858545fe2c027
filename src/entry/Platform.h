#pragma once

#include <optional>
#include <string>

namespace vks {

// Whether the toolkit can start a windowing platform in this process, judged
// before any application object exists: creating one when none can start
// aborts the whole process (the host's) inside the toolkit.
//
// The platforms tried are the toolkit's: those QT_QPA_PLATFORM names (a ";"
// list, each name possibly followed by ":options"), or, when it is not set,
// what the session type suggests and then the default, xcb. One of them can
// start when its plugin is installed and, for xcb, DISPLAY names a display
// whose local socket answers (remote displays are taken on trust), and for
// Wayland a compositor socket exists. Anything else is taken on trust.
//
// nullopt when one can start; otherwise why none can, for a person.
std::optional<std::string> platformProblem();

// The same judgement, then proof: unless the platform chosen needs no device
// (offscreen, minimal), the toolkit starts it in a child process
// (vks-platform-probe, beside the module) that must say it is ready within
// 5 seconds. A display that answers but refuses the client, a socket that
// answers garbage or never answers, a framebuffer without a device: the
// child fails, not the host. nullopt when the platform started; without the
// probe file, the judgement alone.
std::optional<std::string> platformStartProblem();

} // namespace vks

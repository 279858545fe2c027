#pragma once

#include <map>
#include <string>

#include <QPointer>

#include "core/WindowHandle.h"

class QWidget;

namespace vks {

// Everything the module keeps between calls, alive from load to unload.
// Finalize resets it to a freshly constructed object.
struct ModuleState {
    // Owner of every screen and message box during a call (0: none).
    WindowHandle ownerWindow = 0;
    // Set while a call runs; a nested call, Initialize and Finalize are
    // refused.
    bool running = false;

    // Build version of the module file and the title derived from it; both
    // empty until the first screen is created. The title grows with the
    // version, so that message boxes never show less of it than the screen.
    std::string versaoDoModulo;
    std::string tituloAplicacao;

    // Armed while the form-level Enter handling is active.
    bool bControlaKeyPreview = true;

    // Query context: values the query screens send with their requests.
    std::string TipoConsulta;
    std::string SaidaConsulta;
    std::string CodigoConsulta;

    // Miles transactions: configuration and mapping version.
    std::string TrataOcorrencia;
    std::string VersaoMapeamento;

    // One reference per screen class to its open instance, by reference
    // name (the class name without its leading T).
    std::map<std::string, QPointer<QWidget>, std::less<>> screens;
};

ModuleState& state();
void resetModuleState();

// The application title as a string (empty before the first screen).
std::string applicationTitle();

} // namespace vks

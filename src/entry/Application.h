#pragma once

namespace vks {

// Makes sure a QApplication exists: the host's when it has one, otherwise
// one of the module's own, created on first need. False when there can be
// none, the host told why (EnviaArquivoErroPDV, code 255): no windowing
// platform can start in this process (creating the application object then
// would abort the host inside the toolkit), or the host's application object
// is not a QApplication (widgets cannot be made on it).
bool ensureApplication();

// True when the call runs on the host's user-interface thread: the thread of
// the application object, or any thread while there is none yet. Otherwise
// the host is told the call was refused (EnviaArquivoErroPDV, code 255):
// screens made on another thread would never get an event.
bool onInterfaceThread();

// Destroys the module's own QApplication, if it created one.
void releaseApplication();

} // namespace vks

#pragma once
// Every modal window of the program opens through here: message boxes, the error box and every
// dialog. Tests set the hook to answer each window from inside its own event loop.
#include <QDialog>
#include <functional>

namespace orvelle {

// Shows the dialog modally and returns its result (QDialog::Accepted or Rejected).
int ExecModal(QDialog& dialog);

// For the program's end by a signal: closes the open modal windows and opens no more, so a
// start-up that is still showing boxes runs through to its end.
void EndModalWindows();
bool EndingModalWindows();

// Called with each modal window once it is on screen. An empty hook restores normal running.
using TModalHook = std::function<void(QDialog&)>;
void SetModalHook(TModalHook hook);

} // namespace orvelle

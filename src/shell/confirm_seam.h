#pragma once

#include "common/account_record.h"

namespace varnelle {

// The two things tests must be able to answer or skip: the modal confirmation box and the
// one-second pause after an edit. The program uses MessageBoxPrompter; tests supply their own.
class Prompter {
 public:
  virtual ~Prompter() = default;
  // Asks with OK and Cancel; true only when the user chose OK.
  virtual bool Confirm(const Text& message, const Text& caption) = 0;
  // Blocks the thread: the window neither repaints nor takes input meanwhile.
  virtual void Pause(int milliseconds) = 0;
};

// A message box with OK and Cancel, no icon and no owner window, modal for the whole program.
// Cancel, Esc and the box's close button all answer "no".
class MessageBoxPrompter : public Prompter {
 public:
  bool Confirm(const Text& message, const Text& caption) override;
  void Pause(int milliseconds) override;
};

}  // namespace varnelle

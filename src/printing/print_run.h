#pragma once

#include "printing/list_printer.h"
#include "workspace/print_selection.h"

// The printer of one Print command: the system's print dialog, asked once.
class PrinterChoice {
  public:
    virtual ~PrinterChoice() = default;
    // The chosen printer, or nullptr when the user cancelled.
    virtual PrintCanvas* choosePrinter() = 0;
};

struct PrintRunResult {
    int listsPrinted = 0;
    bool pageTooSmall = false;  // some list did not fit the chosen paper
    bool printerFailed = false; // the printer refused or lost a document
};

// The ticked lists in order (One Touch, Speed Dial, Group), each its own
// document, all on the printer chosen for the first of them. Cancelling the
// choice prints none of them; a printer that fails a document gets no more.
PrintRunResult printSelectedLists(const PrintSelection& selection, PrinterChoice& printers,
                                  const ListSource& source);

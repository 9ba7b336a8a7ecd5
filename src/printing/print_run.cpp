#include "printing/print_run.h"

namespace {

struct SelectedList {
    bool PrintSelection::*ticked;
    PrintedList list;
};

constexpr SelectedList kListOrder[] = {
    {&PrintSelection::oneTouchList, PrintedList::oneTouch},
    {&PrintSelection::speedDialList, PrintedList::speedDial},
    {&PrintSelection::groupList, PrintedList::group},
};

} // namespace

PrintRunResult printSelectedLists(const PrintSelection& selection, PrinterChoice& printers,
                                  const ListSource& source) {
    PrintRunResult result;
    PrintCanvas* printer = nullptr;
    for (const SelectedList& entry : kListOrder) {
        if (!(selection.*entry.ticked))
            continue;
        if (printer == nullptr) {
            printer = printers.choosePrinter();
            if (printer == nullptr)
                return result;
        }
        const ListPrintOutcome outcome = entry.list == PrintedList::group
                                             ? printGroupList(*printer, source)
                                             : printDialList(*printer, entry.list, source);
        switch (outcome) {
        case ListPrintOutcome::printed:
            ++result.listsPrinted;
            break;
        case ListPrintOutcome::pageTooSmall:
            result.pageTooSmall = true;
            break;
        case ListPrintOutcome::printerFailed:
            result.printerFailed = true;
            return result;
        }
    }
    return result;
}

#pragma once
// The print job: the saints one to a page, drawn on the printer in its own device units.
#include "data/calendar_data.h"

class QPrinter;

namespace orvelle {

// Prints the saints in order, under the job title "Orvelle" with the printer's copies count.
// Nothing is printed, and nothing said, for no saints. A printer that is missing or refuses the
// job throws, with the printer's name in the message.
void PrintSaints(QPrinter& printer, const TSaintRefs& saints);

} // namespace orvelle

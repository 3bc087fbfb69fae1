#include "screen/form.h"

void bindRecordsEvents(EventTable& table) {
    (void)table;
}

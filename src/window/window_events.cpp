#include "screen/form.h"

void bindWindowEvents(EventTable& table) {
    (void)table;
}

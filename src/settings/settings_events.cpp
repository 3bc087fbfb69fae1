#include "screen/form.h"

void bindSettingsEvents(EventTable& table) {
    (void)table;
}

#include "framework/com_apartment.h"

#include "framework/loaded_on_demand.h"

ComApartment::~ComApartment() {
    if (entered_)
        CoUninitializeOnDemand();
}

void ComApartment::Enter() {
    if (tried_)
        return;
    tried_ = true;
    // Every success, also "already entered" (S_FALSE), is balanced by leaving once.
    entered_ = SUCCEEDED(CoInitializeExOnDemand(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

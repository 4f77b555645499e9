// The thread's COM apartment, as the shell asks of its callers: it may hand a start or an address to
// extensions that COM activates.
#pragma once

class ComApartment {
  public:
    ComApartment() = default;
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    // Leaves the apartment when Enter entered it.
    ~ComApartment();

    // Enters a single-threaded apartment on the first call (COM's DLL is loaded then, not at start-up); a
    // thread already in another kind of apartment stays in it. Later calls do nothing.
    void Enter();

  private:
    bool tried_ = false;
    bool entered_ = false;
};

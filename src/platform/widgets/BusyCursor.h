#pragma once

namespace zyn {

// The busy pointer for the length of a scope. Nested scopes stack; the normal
// pointer returns when the outermost one ends, on every exit path.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // The normal pointer while a message box waits for the user, the busy one
    // again afterwards if it was shown before.
    class Suspend {
    public:
        Suspend();
        ~Suspend();
        Suspend(const Suspend&) = delete;
        Suspend& operator=(const Suspend&) = delete;

    private:
        int m_removed = 0;
    };
};

} // namespace zyn

#pragma once
// A file that cannot be written at every tick is said once: the first failure of a spell is reported,
// those after it stay quiet until a write succeeds again.

namespace gasmon {

class FailureSpell {
public:
    // True for the first failure of a spell (the caller then reports it).
    bool Failed()
    {
        const bool first = !failing_;
        failing_ = true;
        return first;
    }
    void Succeeded() { failing_ = false; }
    bool failing() const { return failing_; }

private:
    bool failing_ = false;
};

// Whether a failure is to be reported: always without a spell, else only the first of its spell.
inline bool ReportFailure(FailureSpell* spell) { return !spell || spell->Failed(); }

}  // namespace gasmon

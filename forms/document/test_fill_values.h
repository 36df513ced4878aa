// The form's own field values while a test fill runs: the fill resets the
// fields and works on them, and the values they had are kept here until the
// fill ends. Whatever writes the form meanwhile shows the kept values in the
// fields for as long as it writes.
#pragma once

#include "forms/fields/datatypes/datatype.h"

#include <memory>
#include <utility>
#include <vector>

class FFIELD;
class PTRARRAY;

class TEST_FILL_VALUES {
public:
    // Keeps a copy of the data type of every field in the filling order.
    // Nothing happens while values are kept already.
    void Keep(const PTRARRAY& order);
    // The kept copies take their fields' places again; nothing is kept after.
    void PutBack();
    bool IsKeeping() const { return keeping; }

    // While it lives, the fields hold copies of the kept values; the values
    // of the fill come back when it goes. Fields must have no control open.
    class Shown {
    public:
        explicit Shown(TEST_FILL_VALUES& values);
        ~Shown();
        Shown(const Shown&) = delete;
        Shown& operator=(const Shown&) = delete;

    private:
        std::vector<std::pair<FFIELD*, std::unique_ptr<DATATYPE>>> filled;
    };

private:
    std::vector<std::pair<FFIELD*, std::unique_ptr<DATATYPE>>> kept;
    bool keeping = false;
};

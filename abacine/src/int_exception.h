// The exception with which the compiler unwinds: it carries a message id and
// never leaves the library.
#pragma once

namespace abacine {

class CIntException {
public:
    explicit CIntException(int id)
        : m_nID(id)
    {}
    int ID() const { return m_nID; }

private:
    int m_nID;
};

} // namespace abacine

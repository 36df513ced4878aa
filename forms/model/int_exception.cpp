#include "forms/model/int_exception.h"

CIntException::CIntException(int id)
    : m_id(id)
    , m_what("string " + std::to_string(id))
{}

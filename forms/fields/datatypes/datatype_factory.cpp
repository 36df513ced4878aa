#include "forms/fields/datatypes/datatype_factory.h"

#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/datedatatype.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/record_archive.h"

#include <array>

namespace {

constexpr size_t kKinds = 8;

std::array<DataTypeMaker, kKinds>& Makers()
{
    static std::array<DataTypeMaker, kKinds> makers {};
    return makers;
}

template<typename T>
std::unique_ptr<DATATYPE> Make()
{
    return std::make_unique<T>();
}

} // namespace

void RegisterDataType(uint8_t kind, DataTypeMaker maker)
{
    if (kind < kKinds)
        Makers()[kind] = maker;
}

void RegisterValueDataTypes()
{
    RegisterDataType(kKindNumber, &Make<NUMBERDATATYPE>);
    RegisterDataType(kKindDate, &Make<DATEDATATYPE>);
    RegisterDataType(kKindText, &Make<TEXTDATATYPE>);
    RegisterDataType(kKindMemo, &Make<MEMODATATYPE>);
    RegisterDataType(kKindCheckBox, &Make<CHECK_DATATYPE>);
}

std::unique_ptr<DATATYPE> CreateDataType(uint8_t kind)
{
    if (kind >= kKinds || !Makers()[kind])
        return nullptr;
    std::unique_ptr<DATATYPE> type = Makers()[kind]();
    if (!type || !type->InitialiseValue())
        return nullptr;
    return type;
}

std::unique_ptr<DATATYPE> LoadDataType(RECORDARCHIVE& ar, uint8_t kind)
{
    if (kind >= kKinds || !Makers()[kind]) {
        ar.SkipRecord(kind);
        return nullptr;
    }
    std::unique_ptr<DATATYPE> type = CreateDataType(kind);
    if (!type || !type->Load(ar))
        RECORDARCHIVE::ThrowLoadMemoryError();
    return type;
}

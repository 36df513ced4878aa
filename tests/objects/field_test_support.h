// Support for the field's tests: the object kinds and data types
// registered, fields made with a font, and a document that counts ids.
#pragma once

#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/objects/ffield.h"
#include "tests/model/test_objects.h"
#include "tests/objects/text_test_support.h"

#include <memory>
#include <string_view>

class FieldTest : public TextObjectTest {
protected:
    ~FieldTest() override { UnregisterObjectClass(kTypeField); }

    static std::unique_ptr<FFIELD> MakeField(RECT r = {1000, 1000, 3000, 1300})
    {
        auto field = std::make_unique<FFIELD>();
        field->InitWithFont(Font(0, 200));
        field->SetRect(r.left, r.top, r.right, r.bottom);
        return field;
    }

    static std::unique_ptr<LISTBOXVALUES> Values(std::initializer_list<std::string_view> texts, bool listOnly)
    {
        auto values = std::make_unique<LISTBOXVALUES>();
        for (std::string_view text : texts)
            values->AppendValue(text);
        values->bListOnly = listOnly ? 1 : 0;
        return values;
    }
};

// A document that hands out field ids from 40 and object numbers from 7.
class CountingDocument : public FakeDocument {
public:
    uint16_t GetNextFieldID() override { return nextId++; }
    uint16_t GetNextObjectNumber() override { return nextNumber++; }
    uint16_t nextId = 40;
    uint16_t nextNumber = 7;
};

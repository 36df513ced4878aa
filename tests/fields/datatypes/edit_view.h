// A fill view for tests of values edited in place: a real window for the
// editors and a document whose in-place flag the test sets.
#pragma once

#include "tests/model/test_objects.h"

#include <QWidget>

class EditDocument : public FakeDocument {
public:
    bool IsInPlaceActive() const override { return inPlace; }
    bool inPlace = false;
};

class EditView : public FakeView {
public:
    QWidget* GetTrackingWindow() override { return &window; }
    OBJECT_DOCUMENT* GetObjectDocument() override { return &doc; }

    QWidget window;
    EditDocument doc;
};

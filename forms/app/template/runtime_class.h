// The run-time class records through which the document template makes its
// documents and views: a name, a factory, and for views a kind test that
// also accepts derived classes.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace ui {
class DocTemplate;
class Document;
class View;
} // namespace ui

struct ViewClass {
    std::string name;
    std::function<std::unique_ptr<ui::View>()> create;
    // True when the view is of this class or derived from it.
    std::function<bool(const ui::View&)> isKindOf;
};

// The record of view class T, which must be default-constructible.
template<class T>
ViewClass ViewClassOf(std::string name)
{
    return {std::move(name), [] { return std::unique_ptr<ui::View>(std::make_unique<T>()); },
        [](const ui::View& view) { return dynamic_cast<const T*>(&view) != nullptr; }};
}

struct DocumentClass {
    // A new, empty document of the template.
    std::function<std::unique_ptr<ui::Document>(ui::DocTemplate&)> create;
    // Reads the file into a new document; false (having told the user) when
    // it could not.
    std::function<bool(ui::Document&, const std::string& path)> open;
    // The index of the view the document was last shown in (0 to 5).
    std::function<int(const ui::Document&)> viewIndex;
};

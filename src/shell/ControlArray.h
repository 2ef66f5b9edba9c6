#pragma once
// A control array: elements indexed per row, word or sentence. Element 0 is the invisible
// template; loading element i makes a copy of the template in the same container.

#include <QObject>
#include <algorithm>
#include <functional>
#include <vector>

namespace lumeport {

template <class T> class ControlArray {
public:
    T* operator[](int i) const {
        return i >= 0 && i < static_cast<int>(items_.size()) ? items_[static_cast<size_t>(i)]
                                                             : nullptr;
    }
    T* Template() const { return (*this)[0]; }
    // The highest index that holds an element, or -1 for none.
    int upperBound() const {
        for (int i = static_cast<int>(items_.size()) - 1; i >= 0; --i)
            if (items_[static_cast<size_t>(i)]) return i;
        return -1;
    }

    // Runs for every element made from now on (elements are made once and then reused), so a
    // handler wires each element's events once.
    void onCreate(std::function<void(T&)> wire) { wire_ = std::move(wire); }

    void set(int i, T* control) {
        if (i >= static_cast<int>(items_.size())) items_.resize(static_cast<size_t>(i) + 1);
        items_[static_cast<size_t>(i)] = control;
    }

    // Element i; when it does not exist yet, a new, hidden one that looks like the template.
    T* Load(int i) {
        T* model = Template();
        if (!model || i <= 0 || (*this)[i]) return (*this)[i];
        T* element = spare_.empty() ? make(*model) : take();
        element->copyLookFrom(*model);
        element->setGeometry(model->left(), model->top(), model->width(), model->height());
        element->setVisible(false);
        set(i, element);
        return element;
    }

    // Removes element i. Removed elements are hidden and kept for a later Load: a sentence
    // change rebuilds dozens of word tiles, and making widgets anew each time is what would
    // cost. Keeping them also spares the element whose click is being handled.
    void Unload(int i) {
        T* element = (*this)[i];
        if (!element || i == 0) return;
        element->setVisible(false);
        spare_.push_back(element);
        items_[static_cast<size_t>(i)] = nullptr;
    }

    // Removes every element from `first` on.
    void UnloadFrom(int first) {
        first = std::max(first, 1);
        for (int i = upperBound(); i >= first; --i)
            Unload(i);
        items_.resize(std::min(items_.size(), static_cast<size_t>(first)));
    }
    // Removes every element but the template.
    void UnloadAll() { UnloadFrom(1); }

private:
    T* make(const T& model) {
        auto* element = new T(model.name(), model.widget()->parentWidget(), model.pixelsPerTwip());
        element->setParent(model.parent());
        if (wire_) wire_(*element);
        return element;
    }
    T* take() {
        T* element = spare_.back();
        spare_.pop_back();
        return element;
    }

    std::vector<T*> items_;
    std::vector<T*> spare_;
    std::function<void(T&)> wire_;
};

} // namespace lumeport

#pragma once
// A link between windows that can never dangle: an Enlace<T> to an
// Enlazable object reads nullptr once that object is gone. Exercises keep
// their opener this way, the entry window its caller; whichever of the two
// is unloaded first, the other is left with an empty link, never a freed
// pointer.
#include <memory>

class Enlazable {
public:
    Enlazable() = default;
    // A copy is another object: links to the original do not follow it.
    Enlazable(const Enlazable &) : Enlazable() {}
    Enlazable &operator=(const Enlazable &) { return *this; }

protected:
    ~Enlazable() = default;

private:
    template <class T> friend class Enlace;
    std::shared_ptr<char> m_vida = std::make_shared<char>();
};

template <class T> class Enlace {
public:
    Enlace() = default;
    Enlace(T *objeto)
        : m_objeto(objeto)
        , m_vida(objeto ? static_cast<const Enlazable *>(objeto)->m_vida : nullptr)
    {
    }

    // The linked object, or nullptr when there is none (any longer).
    T *get() const { return m_vida.expired() ? nullptr : m_objeto; }
    T *operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }
    void reset() { *this = Enlace(); }

private:
    T *m_objeto = nullptr;
    std::weak_ptr<char> m_vida;
};

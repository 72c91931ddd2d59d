#pragma once
// Qt's own texts (the buttons of the colour dialog and the message boxes) in the interface
// language: Qt's Japanese translation while the interface is Japanese, Qt's English otherwise.

#include <QTranslator>

#include <memory>
#include <optional>

class QtTranslation
{
public:
    QtTranslation() = default;
    QtTranslation(const QtTranslation &) = delete;
    QtTranslation &operator=(const QtTranslation &) = delete;
    ~QtTranslation();

    /// Installs or removes the Japanese translation when the language has changed.
    void follow(bool japanese);

private:
    /// Loaded at the first need; empty when this system has no Japanese translation of Qt.
    std::unique_ptr<QTranslator> m_japanese;
    std::optional<bool> m_followed;
};

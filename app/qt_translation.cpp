// The translation comes from Qt's own translations folder (Debian: qt6-translations-l10n);
// without it Qt's texts simply stay English.

#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

QtTranslation::~QtTranslation()
{
    if (m_japanese && m_followed == true)
        QCoreApplication::removeTranslator(m_japanese.get());
}

void QtTranslation::follow(bool japanese)
{
    if (m_followed == japanese)
        return;
    m_followed = japanese;
    if (!japanese) {
        if (m_japanese)
            QCoreApplication::removeTranslator(m_japanese.get());
        return;
    }
    if (!m_japanese) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QStringLiteral("qtbase_ja"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return;
        m_japanese = std::move(translator);
    }
    QCoreApplication::installTranslator(m_japanese.get());
}

#include "texts_qt/qt_catalogue.h"

#include <QCoreApplication>
#include <QFileInfo>

QtCatalogue::QtCatalogue(const QString& folder, const std::string& language)
    : TextCatalogue(language == "Chinese"), m_translator(std::make_unique<QTranslator>()) {
    const QString file =
        folder + QLatin1Char('/') + QString::fromStdString(language) + QStringLiteral(".qm");
    m_loaded = QFileInfo::exists(file) && m_translator->load(file);
}

std::string QtCatalogue::Translate(const char* context, const char* source,
                                   const char* disambiguation) const {
    const QString text = m_translator->translate(context, source, disambiguation);
    return text.isEmpty() ? std::string(source) : text.toStdString();
}

QtCatalogue::~QtCatalogue() {
    if (m_installed && QCoreApplication::instance() != nullptr) {
        QCoreApplication::removeTranslator(m_translator.get());
    }
}

void QtCatalogue::Install() {
    QCoreApplication::installTranslator(m_translator.get());
    m_installed = true;
}

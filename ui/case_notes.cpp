#include "case_notes.h"

#include "report_pdf.h"

#include <QCoreApplication>

namespace breathlab {

namespace {

QString Percent(double value) {
    return QStringLiteral("%1 %").arg(value, 0, 'g', 5);
}

QString JoinedSites(const TeachingCase& c) {
    QStringList sites;
    for (FaultSite site : c.Sites)
        sites << SiteText(site);
    return sites.join(QCoreApplication::translate("CaseNotes", " or "));
}

} // namespace

QString PatternText(Pattern pattern) {
    switch (pattern) {
    case Pattern::Normal:
        return QCoreApplication::translate("CaseNotes", "Normal");
    case Pattern::Obstructive:
        return QCoreApplication::translate("CaseNotes", "Obstructive");
    case Pattern::Restrictive:
        return QCoreApplication::translate("CaseNotes", "Restrictive");
    case Pattern::Mixed:
        return QCoreApplication::translate("CaseNotes", "Mixed obstructive-restrictive");
    case Pattern::CentralObstruction:
        return QCoreApplication::translate("CaseNotes", "Central-airway obstruction");
    }
    return {};
}

QString SiteText(FaultSite site) {
    switch (site) {
    case FaultSite::None:
        return QCoreApplication::translate("CaseNotes", "Nowhere (healthy)");
    case FaultSite::CentralAirways:
        return QCoreApplication::translate("CaseNotes", "Central airways");
    case FaultSite::MiddleAirways:
        return QCoreApplication::translate("CaseNotes", "Middle airways");
    case FaultSite::PeripheralAirways:
        return QCoreApplication::translate("CaseNotes", "Peripheral airways");
    case FaultSite::LungTissue:
        return QCoreApplication::translate("CaseNotes", "Lung tissue");
    }
    return {};
}

QStringList PatientSettingTexts(const ParameterSet& patient) {
    QStringList texts;
    for (int k = 1; k <= kParameterCount; ++k)
        if (patient.At(kBothLungs, k) != 100)
            texts << QStringLiteral("%1 %2").arg(ParameterKeyName(k),
                                                 Percent(patient.At(kBothLungs, k)));
    for (int region = kLeftLung; region <= 5; ++region) {
        if (region == kBothLungs) continue;
        for (int k = 1; k <= kParameterCount; ++k)
            if (patient.At(region, k) != 100)
                texts << QStringLiteral("%1.%2 %3")
                             .arg(RegionKeyName(region), ParameterKeyName(k),
                                  Percent(patient.At(region, k)));
    }
    if (patient.GlobalParams[0] != 100)
        texts << QCoreApplication::translate("CaseNotes", "expiration depth %1")
                     .arg(Percent(patient.GlobalParams[0]));
    if (texts.isEmpty()) texts << QCoreApplication::translate("CaseNotes", "all at 100 %");
    return texts;
}

QString CaseNoteHtml(const TeachingCase& c, const ParameterSet& patient) {
    QString html =
        QStringLiteral("<h3>%1</h3>").arg(QString::fromStdString(c.Title).toHtmlEscaped());
    const auto paragraph = [&html](const QString& heading, const QString& text) {
        html += QStringLiteral("<p><b>%1</b> %2</p>")
                    .arg(heading.toHtmlEscaped(), text.toHtmlEscaped());
    };
    paragraph(QCoreApplication::translate("CaseNotes", "The patient:"),
              QString::fromStdString(c.Condition));
    paragraph(QCoreApplication::translate("CaseNotes", "Look for:"),
              QString::fromStdString(c.LookFor));
    paragraph(QCoreApplication::translate("CaseNotes", "Pattern:"), PatternText(c.ExpectedPattern));
    paragraph(QCoreApplication::translate("CaseNotes", "The fault sits in:"), JoinedSites(c));
    paragraph(QCoreApplication::translate("CaseNotes", "Settings:"),
              PatientSettingTexts(patient).join(QStringLiteral(", ")));
    return html;
}

} // namespace breathlab

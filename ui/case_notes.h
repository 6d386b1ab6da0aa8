// The texts the case list and the exercise show about a case: its teaching
// note, the names of patterns and fault sites, and a patient's settings.
#pragma once

#include "parameter_set.h"
#include "teaching_case.h"

#include <QString>
#include <QStringList>

namespace breathlab {

QString PatternText(Pattern pattern);
QString SiteText(FaultSite site);

// Every percentage of a patient that differs from 100, as "RPeripheral 400 %"
// for both lungs and "LeftLung.RMain 800 %" for a single lung or lobe, and
// "expiration depth 25 %"; "all at 100 %" for a normal patient.
QStringList PatientSettingTexts(const ParameterSet& patient);

// The note as rich text: title, what the patient has, what to look for, the
// pattern and site, and the settings that make the patient.
QString CaseNoteHtml(const TeachingCase& c, const ParameterSet& patient);

} // namespace breathlab

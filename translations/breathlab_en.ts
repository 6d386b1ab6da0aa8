<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Model of forced expiration and program: the Varo.e-breathlab team</source>
        <translation>Model of forced expiration and program: the Varo.e-breathlab team</translation>
    </message>
    <message>
        <source>A teaching simulator of the forced expiration: move the sliders, press START and compare the flow-volume curves of your patients with the reference.</source>
        <translation>A teaching simulator of the forced expiration: move the sliders, press START and compare the flow-volume curves of your patients with the reference.</translation>
    </message>
    <message>
        <source>Thanks to the students and teachers of physiology who tried it first and told us what was missing.</source>
        <translation>Thanks to the students and teachers of physiology who tried it first and told us what was missing.</translation>
    </message>
    <message>
        <source>Breathe out, hard and long!</source>
        <translation>Breathe out, hard and long!</translation>
    </message>
    <message>
        <source> Varo.e-breathlab</source>
        <translation> Varo.e-breathlab</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Autorzy</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Free software under the MIT licence.</translation>
    </message>
</context>
<context>
    <name>AirwayPanel</name>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
</context>
<context>
    <name>CaseListDialog</name>
    <message>
        <source>Open case</source>
        <translation>Open case</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Cases</translation>
    </message>
</context>
<context>
    <name>CaseNotes</name>
    <message>
        <source> or </source>
        <translation> or </translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Obstructive</source>
        <translation>Obstructive</translation>
    </message>
    <message>
        <source>Restrictive</source>
        <translation>Restrictive</translation>
    </message>
    <message>
        <source>Mixed obstructive-restrictive</source>
        <translation>Mixed obstructive-restrictive</translation>
    </message>
    <message>
        <source>Central-airway obstruction</source>
        <translation>Central-airway obstruction</translation>
    </message>
    <message>
        <source>Nowhere (healthy)</source>
        <translation>Nowhere (healthy)</translation>
    </message>
    <message>
        <source>Central airways</source>
        <translation>Central airways</translation>
    </message>
    <message>
        <source>Middle airways</source>
        <translation>Middle airways</translation>
    </message>
    <message>
        <source>Peripheral airways</source>
        <translation>Peripheral airways</translation>
    </message>
    <message>
        <source>Lung tissue</source>
        <translation>Lung tissue</translation>
    </message>
    <message>
        <source>expiration depth %1</source>
        <translation>expiration depth %1</translation>
    </message>
    <message>
        <source>all at 100 %</source>
        <translation>all at 100 %</translation>
    </message>
    <message>
        <source>The patient:</source>
        <translation>The patient:</translation>
    </message>
    <message>
        <source>Look for:</source>
        <translation>Look for:</translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation>Pattern:</translation>
    </message>
    <message>
        <source>The fault sits in:</source>
        <translation>The fault sits in:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Settings:</translation>
    </message>
</context>
<context>
    <name>CommandBar</name>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>reset</translation>
    </message>
    <message>
        <source>reset all</source>
        <translation>reset all</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>animation</source>
        <translation>animation</translation>
    </message>
    <message>
        <source>Selected row</source>
        <translation>Selected row</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Delete row</translation>
    </message>
    <message>
        <source>Use as ref.</source>
        <translation>Use as ref.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>One of the application files is missing or corrupted </source>
        <translation>One of the application files is missing or corrupted </translation>
    </message>
    <message>
        <source>This application cannot work on the read only disk.</source>
        <translation>This application cannot work on the read only disk.</translation>
    </message>
</context>
<context>
    <name>DescriptionView</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Before the first run&lt;/b&gt;&lt;/p&gt;&lt;p&gt;1. Choose a group: click the panel of MAIN, MIDDLE, PERIPHERAL or LUNGS.&lt;/p&gt;&lt;p&gt;2. Set its sliders: 100 % is normal.&lt;/p&gt;&lt;p&gt;3. Press START. The plots and tables then compare the run with the reference.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Before the first run&lt;/b&gt;&lt;/p&gt;&lt;p&gt;1. Choose a group: click the panel of MAIN, MIDDLE, PERIPHERAL or LUNGS.&lt;/p&gt;&lt;p&gt;2. Set its sliders: 100 % is normal.&lt;/p&gt;&lt;p&gt;3. Press START. The plots and tables then compare the run with the reference.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ExerciseDialog</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>New round</source>
        <translation>New round</translation>
    </message>
    <message>
        <source>Open exercise</source>
        <translation>Open exercise</translation>
    </message>
    <message>
        <source>1. Which pattern?</source>
        <translation>1. Which pattern?</translation>
    </message>
    <message>
        <source>2. Where is the fault?</source>
        <translation>2. Where is the fault?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Exercise number:</source>
        <translation>Exercise number:</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Exercise %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;Read the curves and the indices (Ref.: the normal reference, Obs.: the patient), then answer both questions.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Read the curves and the indices (Ref.: the normal reference, Obs.: the patient), then answer both questions.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Choose an answer to both questions first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Choose an answer to both questions first.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>right</source>
        <translation>right</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Pattern: %1. Fault: %2.&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Pattern: %1. Fault: %2.&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;A random patient of the family of this case:&lt;/p&gt;</source>
        <translation>&lt;p&gt;A random patient of the family of this case:&lt;/p&gt;</translation>
    </message>
    <message numerus="yes">
        <source>Score: %1 of %2 (%n round(s))</source>
        <translation>
            <numerusform>Score: %1 of %2 (%n round)</numerusform>
            <numerusform>Score: %1 of %2 (%n rounds)</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;p&gt;Exercise %1 was answered before: this answer is not scored again.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Exercise %1 was answered before: this answer is not scored again.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Exercise - %1</source>
        <translation>Exercise - %1</translation>
    </message>
    <message>
        <source>right answer</source>
        <translation>right answer</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>your answer</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Select a run first: the CSV export writes the samples of the selected run.</source>
        <translation>Select a run first: the CSV export writes the samples of the selected run.</translation>
    </message>
    <message>
        <source>Both plots as a PNG picture (twice the screen size)</source>
        <translation>Both plots as a PNG picture (twice the screen size)</translation>
    </message>
    <message>
        <source>Both plots as an SVG drawing</source>
        <translation>Both plots as an SVG drawing</translation>
    </message>
    <message>
        <source>A one-page PDF report: plots, indices, settings</source>
        <translation>A one-page PDF report: plots, indices, settings</translation>
    </message>
    <message>
        <source>The selected run&apos;s samples and traces as CSV</source>
        <translation>The selected run&apos;s samples and traces as CSV</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>SVG drawings (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Export the runs shown in the window as:</source>
        <translation>Export the runs shown in the window as:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Written: %1</translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>breathlab: flow-volume and volume-time curves</source>
        <translation>breathlab: flow-volume and volume-time curves</translation>
    </message>
    <message>
        <source>%1: a figure file ends in .png, .svg or .pdf</source>
        <translation>%1: a figure file ends in .png, .svg or .pdf</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>FlowVolumePlot</name>
    <message>
        <source>Vol (l)</source>
        <translation>Vol (l)</translation>
    </message>
    <message>
        <source>Flow exp. (l/s)</source>
        <translation>Flow exp. (l/s)</translation>
    </message>
    <message>
        <source>Flow insp. (l/s)</source>
        <translation>Flow insp. (l/s)</translation>
    </message>
</context>
<context>
    <name>GridFile</name>
    <message>
        <source>File not found:</source>
        <translation>File not found: </translation>
    </message>
    <message>
        <source>Could not write the parameter table.</source>
        <translation>Could not write the parameter table: </translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>helpfiles/</source>
        <translation>helpfiles/en/</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Spirometry help</source>
        <translation>Spirometry help</translation>
    </message>
</context>
<context>
    <name>HiddenSliderControls</name>
    <message>
        <source>Both lungs</source>
        <translation>Both lungs</translation>
    </message>
    <message>
        <source>Left lung</source>
        <translation>Left lung</translation>
    </message>
    <message>
        <source>Right lung</source>
        <translation>Right lung</translation>
    </message>
    <message>
        <source>expiration deepness</source>
        <translation>expiration depth</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>400 %</source>
        <translation>400 %</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>Cannot open file %1. %2</source>
        <translation>Cannot open file %1. %2</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2</source>
        <translation>Cannot write file %1. %2</translation>
    </message>
    <message>
        <source>Plik:  </source>
        <translation>File:  </translation>
    </message>
    <message>
        <source>File saved in</source>
        <translation>File saved in </translation>
    </message>
    <message>
        <source>Spirometry files (*.spi)</source>
        <translation>Spirometry files (*.spi)</translation>
    </message>
    <message>
        <source>Data from file:  Standard</source>
        <translation>Data from file:  Standard</translation>
    </message>
</context>
<context>
    <name>IndicesTable</name>
    <message>
        <source>FEV1</source>
        <translation>FEV1</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>FVCEX</source>
        <translation>FVC</translation>
    </message>
    <message>
        <source>FEV1%FVC</source>
        <translation>FEV1/FVC</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>PEF</source>
        <translation>PEF</translation>
    </message>
    <message>
        <source>l/s</source>
        <translation>l/s</translation>
    </message>
    <message>
        <source>MEF75</source>
        <translation>MEF75</translation>
    </message>
    <message>
        <source>MEF50</source>
        <translation>MEF50</translation>
    </message>
    <message>
        <source>MEF25</source>
        <translation>MEF25</translation>
    </message>
    <message>
        <source>ERV</source>
        <translation>ERV</translation>
    </message>
    <message>
        <source>FET</source>
        <translation>FET</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>FRC</source>
        <translation>FRC</translation>
    </message>
    <message>
        <source>TLC</source>
        <translation>TLC</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>dead</source>
        <translation>dead</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Ref.</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Obs.</source>
        <translation>Obs.</translation>
    </message>
</context>
<context>
    <name>JpegPicture</name>
    <message>
        <source>The picture is too large.</source>
        <translation>The picture is too large.</translation>
    </message>
    <message>
        <source>The picture could not be decoded.</source>
        <translation>The picture could not be decoded.</translation>
    </message>
    <message>
        <source>: the picture file is shorter than %1 bytes.</source>
        <translation>: the picture file is shorter than %1 bytes.</translation>
    </message>
</context>
<context>
    <name>LowerPanel</name>
    <message>
        <source>Data from file:  Standard</source>
        <translation>Data from file:  Standard</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>go</source>
        <translation>go</translation>
    </message>
    <message>
        <source>pauza</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>Varo e-breathlab </source>
        <translation>Varo e-breathlab </translation>
    </message>
    <message>
        <source>The case file %1 holds no run.</source>
        <translation>The case file %1 holds no run.</translation>
    </message>
    <message>
        <source>Case: %1</source>
        <translation>Case: %1</translation>
    </message>
</context>
<context>
    <name>RegionPicture</name>
    <message>
        <source> main</source>
        <translation> main</translation>
    </message>
    <message>
        <source> middle</source>
        <translation> middle</translation>
    </message>
    <message>
        <source> peripheral</source>
        <translation> peripheral</translation>
    </message>
    <message>
        <source> lungs </source>
        <translation> lungs </translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Case: %1</source>
        <translation>Case: %1</translation>
    </message>
    <message>
        <source>Teaching note</source>
        <translation>Teaching note</translation>
    </message>
    <message>
        <source>expiration depth %1</source>
        <translation>expiration depth %1</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>breathlab: forced expiration report</source>
        <translation>breathlab: forced expiration report</translation>
    </message>
    <message>
        <source>Runs from: %1</source>
        <translation>Runs from: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Indices (Ref.: reference, Obs.: selected run)</source>
        <translation>Indices (Ref.: reference, Obs.: selected run)</translation>
    </message>
    <message>
        <source>Settings (reference in % of normal, runs in % of the reference)</source>
        <translation>Settings (reference in % of normal, runs in % of the reference)</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Run %1</translation>
    </message>
    <message>
        <source>breathlab report</source>
        <translation>breathlab report</translation>
    </message>
</context>
<context>
    <name>RunsTableView</name>
    <message>
        <source>Delete selected row</source>
        <translation>Delete selected row</translation>
    </message>
    <message>
        <source>Use as reference</source>
        <translation>Use as reference</translation>
    </message>
    <message>
        <source>Settins</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>SettingsTable</name>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>VDc</source>
        <translation>VDc</translation>
    </message>
    <message>
        <source>R(1/swiat)</source>
        <translation>R(1/lumen)</translation>
    </message>
    <message>
        <source>--stiff--</source>
        <translation>--stiff--</translation>
    </message>
    <message>
        <source>OBW. R(1/swia)</source>
        <translation>PERIPH. R(1/lumen)</translation>
    </message>
    <message>
        <source>CCC</source>
        <translation>CCC</translation>
    </message>
    <message>
        <source>Rozmiar</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Cm</source>
        <translation>Cm</translation>
    </message>
    <message>
        <source>Both lungs</source>
        <translation>Both lungs</translation>
    </message>
    <message>
        <source>Left lung</source>
        <translation>Left lung</translation>
    </message>
    <message>
        <source>Right lung</source>
        <translation>Right lung</translation>
    </message>
    <message>
        <source>Upper Left L.</source>
        <translation>Upper Left L.</translation>
    </message>
    <message>
        <source>Lower Left L.</source>
        <translation>Lower Left L.</translation>
    </message>
    <message>
        <source>Upper Right L.</source>
        <translation>Upper Right L.</translation>
    </message>
    <message>
        <source>Middle Right L.</source>
        <translation>Middle Right L.</translation>
    </message>
    <message>
        <source>Lower Right L.</source>
        <translation>Lower Right L.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>This program is already running.</source>
        <translation>This program is already running.</translation>
    </message>
</context>
<context>
    <name>SliderGroupPanel</name>
    <message>
        <source>MAIN</source>
        <translation>MAIN</translation>
    </message>
    <message>
        <source>MIDDLE</source>
        <translation>MIDDLE</translation>
    </message>
    <message>
        <source>PERIPHERAL</source>
        <translation>PERIPHERAL</translation>
    </message>
    <message>
        <source>LUNGS</source>
        <translation>LUNGS</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>VDc</source>
        <translation>VDc</translation>
    </message>
    <message>
        <source> R(1/lumen)</source>
        <translation> R(1/lumen)</translation>
    </message>
    <message>
        <source>Stiff</source>
        <translation>Stiff</translation>
    </message>
    <message>
        <source>CCC</source>
        <translation>CCC</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Cm</source>
        <translation>Cm</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200%</translation>
    </message>
    <message>
        <source>400%</source>
        <translation>400%</translation>
    </message>
    <message>
        <source>800%</source>
        <translation>800%</translation>
    </message>
    <message>
        <source>150%</source>
        <translation>150%</translation>
    </message>
    <message>
        <source>250%</source>
        <translation>250%</translation>
    </message>
    <message>
        <source>100 (norm)</source>
        <translation>100 (norm)</translation>
    </message>
    <message>
        <source>200 (mild)</source>
        <translation>200 (mild)</translation>
    </message>
    <message>
        <source>400 (moder.)</source>
        <translation>400 (moder.)</translation>
    </message>
    <message>
        <source>800 (heavy)</source>
        <translation>800 (heavy)</translation>
    </message>
    <message>
        <source>1600 (v. heavy)</source>
        <translation>1600 (v. heavy)</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>125%</source>
        <translation>125%</translation>
    </message>
</context>
<context>
    <name>VolumeTimePlot</name>
    <message>
        <source>FRC(ref)</source>
        <translation>FRC(ref)</translation>
    </message>
    <message>
        <source>t (s)</source>
        <translation>t (s)</translation>
    </message>
    <message>
        <source>Vol (l)</source>
        <translation>Vol (l)</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>ref.Default</source>
        <translation>ref.Default</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Presentation</translation>
    </message>
</context>
</TS>

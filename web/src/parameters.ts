// The patient's parameters as the desktop program presents them: regions,
// the eight parameters with their captions and scale labels, the panels
// they stand in, and the help page of each panel.

export interface Region {
  index: number; // -2 left lung .. 5 lower right lobe
  name: string; // as breathlab-cli's --set names it
  label: string;
}

export const kRegions: Region[] = [
  { index: 0, name: "BothLungs", label: "Both lungs" },
  { index: -2, name: "LeftLung", label: "Left lung" },
  { index: -1, name: "RightLung", label: "Right lung" },
  { index: 1, name: "UpperLeftLobe", label: "Upper left lobe" },
  { index: 2, name: "LowerLeftLobe", label: "Lower left lobe" },
  { index: 3, name: "UpperRightLobe", label: "Upper right lobe" },
  { index: 4, name: "MiddleRightLobe", label: "Middle right lobe" },
  { index: 5, name: "LowerRightLobe", label: "Lower right lobe" },
];

export const kBothLungs = 0;

export function regionRow(region: number): number {
  return region + 2;
}

export interface Parameter {
  k: number; // 1..8, also the number of its slider
  name: string; // as breathlab-cli's --set names it
  caption: string; // the slider's caption in the window
  shortName: string; // column heading of the runs table
  meaning: string;
  labels: [position: number, text: string][];
}

const kDoubling: [number, string][] = [
  [100, "50%"], [200, "100%"], [300, "200%"], [400, "400%"], [500, "800%"],
];
const kHalves: [number, string][] = [
  [100, "50%"], [200, "100%"], [300, "150%"], [400, "200%"], [500, "250%"],
];
const kQuarters: [number, string][] = [
  [100, "50%"], [200, "75%"], [300, "100%"], [400, "125%"], [500, "150%"],
];

export const kParameters: Parameter[] = [
  { k: 1, name: "RMain", shortName: "R main", caption: "R", meaning: "main airway resistance", labels: kDoubling },
  { k: 2, name: "VDc", shortName: "VDc", caption: "VDc", meaning: "dead space of the central airways", labels: kHalves },
  {
    k: 3, name: "RMiddle", shortName: "R mid.", caption: "R(1/lumen)", meaning: "middle airway resistance",
    labels: [[200, "100 (norm)"], [300, "200 (mild)"], [400, "400 (moder.)"], [500, "800 (heavy)"], [600, "1600 (v. heavy)"]],
  },
  { k: 4, name: "StiffMiddle", shortName: "Stiff", caption: "Stiff", meaning: "middle airway stiffness", labels: kDoubling },
  { k: 5, name: "RPeripheral", shortName: "R per.", caption: "R(1/lumen)", meaning: "peripheral airway resistance", labels: kDoubling },
  { k: 6, name: "CCC", shortName: "CCC", caption: "CCC", meaning: "closing volume of the small airways", labels: kHalves },
  { k: 7, name: "Size", shortName: "Size", caption: "Size", meaning: "lung size", labels: kQuarters },
  { k: 8, name: "Cm", shortName: "Cm", caption: "Cm", meaning: "lung compliance", labels: kQuarters },
];

export interface Panel {
  title: string;
  parameters: number[]; // k of its sliders
  helpPage: string;
}

export const kPanels: Panel[] = [
  { title: "MAIN", parameters: [1], helpPage: "H0001" },
  { title: "MIDDLE", parameters: [2, 3, 4], helpPage: "H0002" },
  { title: "PERIPHERAL", parameters: [5, 6], helpPage: "H0003" },
  { title: "LUNGS", parameters: [7, 8], helpPage: "H0004" },
];

export const kGeneralHelpPage = "H0000";
export const kResultsHelpPage = "H0005";
export const kIndicesHelpPage = "H0006";
// The dead-space slider stands in MIDDLE but is explained with the main airways.
export const kDeadSpaceHelpPage = "H0001";

export function normalParameters(): number[][] {
  return kRegions.map(() => kParameters.map(() => 100));
}

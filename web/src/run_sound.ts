// The end-of-run sound: a short tone when a run completes, a low double tone
// when it ended dead or in error. Off by default on a phone (a class full of
// phones beeping at once helps nobody); the choice is kept in the browser.
const kSoundKey = "breathlab.sound";

export function soundByDefault(phone: boolean): boolean {
  return !phone;
}

export function soundWanted(stored: string | null, phone: boolean): boolean {
  return stored === null ? soundByDefault(phone) : stored === "on";
}

function isPhone(): boolean {
  return window.matchMedia("(pointer: coarse) and (max-width: 600px)").matches;
}

function storedChoice(): string | null {
  try {
    return localStorage.getItem(kSoundKey);
  } catch {
    return null;
  }
}

export function wireSoundChoice(): void {
  const box = document.getElementById("sound") as HTMLInputElement;
  box.checked = soundWanted(storedChoice(), isPhone());
  box.addEventListener("change", () => {
    try {
      localStorage.setItem(kSoundKey, box.checked ? "on" : "off");
    } catch {
      // kept for this page only
    }
  });
}

let audio: AudioContext | null = null;

function tone(frequency: number, start: number, seconds: number): void {
  const oscillator = audio!.createOscillator();
  const gain = audio!.createGain();
  oscillator.frequency.value = frequency;
  gain.gain.setValueAtTime(0.15, audio!.currentTime + start);
  gain.gain.exponentialRampToValueAtTime(0.001, audio!.currentTime + start + seconds);
  oscillator.connect(gain).connect(audio!.destination);
  oscillator.start(audio!.currentTime + start);
  oscillator.stop(audio!.currentTime + start + seconds);
}

export function playRunEnd(completed: boolean): void {
  if (!(document.getElementById("sound") as HTMLInputElement).checked || !("AudioContext" in window)) return;
  audio ??= new AudioContext();
  if (completed) tone(880, 0, 0.18);
  else {
    tone(330, 0, 0.18);
    tone(262, 0.22, 0.25);
  }
}

export interface Separators {
  group: string;
  decimal: string;
}

// The separators of the browser's locale, as the user reads numbers: 115,200.5 or 115.200,5.
export function localeSeparators(): Separators {
  const parts = new Intl.NumberFormat(navigator.language).formatToParts(1234567.5);
  return {
    group: parts.find((p) => p.type === "group")?.value ?? "",
    decimal: parts.find((p) => p.type === "decimal")?.value ?? ".",
  };
}

declare global {
  interface Window {
    earlySeparators?: Separators;  // as the page's first script read them
  }
}

// The separators as the page's first script read them, or read now where it has not run.
export function pageSeparators(): Separators {
  return window.earlySeparators ?? localeSeparators();
}

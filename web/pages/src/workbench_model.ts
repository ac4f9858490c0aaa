// The workbench model in its WebAssembly module, as the page calls it: one function for each
// kind of user action, each answering with the whole state and view. The model decides every
// rule; the page only shows what it answers.

export interface Entry {
  text: string;
  message: string;
}

export interface Cell {
  text: string;
  verdict: string;
  margin: string;
  best: boolean;
}

export interface Row {
  rate: string;
  baud: number;
  cells: Cell[];
}

export interface CodeForm {
  kind: number;
  name: string;
  text: string;
}

export interface ClockRow {
  clock: string;
  name: string;
  kind: string;
  worst: string;
  passes: boolean;
  rates: string[];
}

export interface Answer {
  standardRates: { baud: number; text: string }[];
  address: [string, string][];  // the link to what is on show, as name and value pairs
  state: {
    part: string;
    uart: number;
    osc: string;
    budget: string;
    tolerance: string;
    ticked: number[];
    extraRates: string;
    overrunClear: boolean;
    wholeProgram: boolean;
    clocksShown: boolean;
    setup: string;
    copyMessage: string;
  };
  view: {
    part: { message: string; note: string; ports: number };
    oscillator: Entry;
    clock: { text: string; refusal: string };
    budget: Entry;
    tolerance: Entry;
    ratesMessage: string;
    table: { modes: string[]; rows: Row[]; message: string };
    setting: {
      shown: boolean;
      row: number;
      column: number;
      heading: string;
      registers: { name: string; value: string }[];
      realRate: string;
      error: string;
      bitTime: string;
      verdict: string;
      forms: CodeForm[];
      wholeProgramOffered: boolean;
    };
    clocks: { heading: string; rates: string[]; rows: ClockRow[] };
    check: {
      checked: boolean;
      summary: string;
      problem: string;
      findings: { line: number; text: string }[];
      shownLine: number | null;
    };
  };
}

// What Emscripten's module gives the page.
interface EmscriptenModule {
  ccall(name: string, returns: "string", types: string[], args: unknown[]): string;
}

declare global {
  interface Window {
    WorkbenchModule?: () => Promise<EmscriptenModule>;
  }
}

// What a link asks the workbench to open with.
export interface StartRequest {
  part: string | null;
  osc: string | null;
  rates: string[];
}

export class WorkbenchModel {
  private constructor(private readonly module: EmscriptenModule) {}

  static async load(): Promise<WorkbenchModel> {
    if (typeof WebAssembly !== "object" || window.WorkbenchModule === undefined) {
      throw new Error("this browser cannot run the workbench's WebAssembly");
    }
    return new WorkbenchModel(await window.WorkbenchModule());
  }

  private call(name: string, types: string[], args: unknown[]): Answer {
    return JSON.parse(this.module.ccall(name, "string", types, args)) as Answer;
  }

  start(group: string, decimal: string, request: StartRequest): Answer {
    return this.call(
      "wb_start",
      ["string", "string", "string", "string", "string", "number", "number"],
      [group, decimal, request.part ?? "", request.osc ?? "", request.rates.join(" "),
       request.part === null ? 0 : 1, request.osc === null ? 0 : 1],
    );
  }

  knownParts(): string[] {
    return this.module.ccall("wb_known_parts", "string", [], []).split("\n").filter((p) => p);
  }

  editPart(text: string): Answer { return this.call("wb_edit_part", ["string"], [text]); }
  chooseUart(n: number): Answer { return this.call("wb_choose_uart", ["number"], [n]); }
  editOscillator(text: string): Answer {
    return this.call("wb_edit_oscillator", ["string"], [text]);
  }
  editBudget(text: string): Answer { return this.call("wb_edit_budget", ["string"], [text]); }
  editTolerance(text: string): Answer {
    return this.call("wb_edit_tolerance", ["string"], [text]);
  }
  tickRate(baud: number, on: boolean): Answer {
    return this.call("wb_tick_rate", ["number", "number"], [baud, on ? 1 : 0]);
  }
  editExtraRates(text: string): Answer {
    return this.call("wb_edit_extra_rates", ["string"], [text]);
  }
  chooseCell(row: number, column: number | null): Answer {
    return this.call("wb_choose_cell", ["number", "number"], [row, column ?? -1]);
  }
  setOverrunClear(on: boolean): Answer {
    return this.call("wb_set_overrun_clear", ["number"], [on ? 1 : 0]);
  }
  setWholeProgram(on: boolean): Answer {
    return this.call("wb_set_whole_program", ["number"], [on ? 1 : 0]);
  }
  copyForm(kind: number): Answer { return this.call("wb_copy_form", ["number"], [kind]); }
  showClocks(shown: boolean): Answer {
    return this.call("wb_show_clocks", ["number"], [shown ? 1 : 0]);
  }
  chooseClock(rank: number): Answer { return this.call("wb_choose_clock", ["number"], [rank]); }
  editSetup(text: string): Answer { return this.call("wb_edit_setup", ["string"], [text]); }
  chooseFinding(index: number): Answer {
    return this.call("wb_choose_finding", ["number"], [index]);
  }
}

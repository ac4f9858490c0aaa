// The workbench page: a binding over the workbench model in WebAssembly. Input becomes the
// model's actions; the page then mirrors the whole answer. The address carries the question
// (device, uart, osc, budget, tolerance, baud) and follows what the user types.
import { Answer, StartRequest, WorkbenchModel } from "./workbench_model";
import { Separators, pageSeparators } from "./locale_separators";
import { registerServiceWorker } from "./offline";
import { reportUncaughtErrors, showProblem } from "./problem_line";

function element<T extends HTMLElement>(id: string): T {
  const found = document.getElementById(id);
  if (found === null) {
    throw new Error(`the page lacks #${id}`);
  }
  return found as T;
}

function startRequest(params: URLSearchParams): StartRequest {
  return { part: params.get("device"), osc: params.get("osc"), rates: params.getAll("baud") };
}

// An entry box that gives its whole text to the model at every edit; the model's text wins
// only while the user is not typing in it.
function mirrorText(box: HTMLInputElement | HTMLTextAreaElement, text: string): void {
  if (document.activeElement !== box && box.value !== text) {
    box.value = text;
  }
}

class WorkbenchPage {
  private answer!: Answer;
  private chosenForm = 0;  // the code form on show, by its index among the part's forms
  private chosenClock = 0;

  constructor(private readonly model: WorkbenchModel) {}

  start({ group, decimal }: Separators): void {
    const params = new URLSearchParams(location.search);
    this.answer = this.model.start(group, decimal, startRequest(params));
    // The link's other values, as if typed into their boxes.
    const uart = params.get("uart");
    if (uart !== null && /^[1-9]$/.test(uart)) {
      this.answer = this.model.chooseUart(Number(uart));
    }
    const budget = params.get("budget");
    if (budget !== null) {
      this.answer = this.model.editBudget(budget);
    }
    const tolerance = params.get("tolerance");
    if (tolerance !== null) {
      this.answer = this.model.editTolerance(tolerance);
    }
    this.bindInput();
    this.render();
    element("workbench").hidden = false;
    // The part list only completes what is typed: filled after the first answer is on screen.
    requestAnimationFrame(() => setTimeout(() => this.fillPartList()));
  }

  private act(next: Answer): void {
    this.answer = next;
    this.render();
    this.followAddress();
  }

  private fillPartList(): void {
    const list = element<HTMLDataListElement>("parts");
    for (const part of this.model.knownParts()) {
      const option = document.createElement("option");
      option.value = part;
      list.append(option);
    }
  }

  private bindInput(): void {
    const m = this.model;
    const input = (id: string, edit: (text: string) => Answer) =>
      element<HTMLInputElement>(id).addEventListener("input", (e) =>
        this.act(edit((e.target as HTMLInputElement).value)));
    input("part", (t) => m.editPart(t));
    input("osc", (t) => m.editOscillator(t));
    input("budget", (t) => m.editBudget(t));
    input("tolerance", (t) => m.editTolerance(t));
    input("otherRates", (t) => m.editExtraRates(t));
    element<HTMLTextAreaElement>("setup").addEventListener("input", (e) =>
      this.act(m.editSetup((e.target as HTMLTextAreaElement).value)));
    element<HTMLSelectElement>("uart").addEventListener("change", (e) =>
      this.act(m.chooseUart(Number((e.target as HTMLSelectElement).value))));
    element<HTMLInputElement>("overrun").addEventListener("change", (e) =>
      this.act(m.setOverrunClear((e.target as HTMLInputElement).checked)));
    element<HTMLInputElement>("program").addEventListener("change", (e) =>
      this.act(m.setWholeProgram((e.target as HTMLInputElement).checked)));
    element("copy").addEventListener("click", () => {
      const form = this.answer.view.setting.forms[this.chosenForm];
      if (form !== undefined) {
        this.act(m.copyForm(form.kind));
      }
    });
    element("useClock").addEventListener("click", () => this.act(m.chooseClock(this.chosenClock)));
    for (const tab of ["setting", "clocks", "check"]) {
      element(`tab-${tab}`).addEventListener("click", () => this.showView(tab));
    }
    this.showView("setting");
  }

  private showView(name: string): void {
    for (const tab of ["setting", "clocks", "check"]) {
      element(`tab-${tab}`).setAttribute("aria-selected", String(tab === name));
      element(`view-${tab}`).hidden = tab !== name;
    }
    // The model works the ranking out only while it is on show.
    if ((name === "clocks") !== this.answer.state.clocksShown) {
      this.act(this.model.showClocks(name === "clocks"));
    }
  }

  // The address as a link to what is on show, without reloading the page.
  private followAddress(): void {
    const params = new URLSearchParams(this.answer.address);
    history.replaceState(null, "", `${location.pathname}?${params.toString()}`);
  }

  private render(): void {
    const { state, view } = this.answer;
    mirrorText(element<HTMLInputElement>("part"), state.part);
    mirrorText(element<HTMLInputElement>("osc"), state.osc);
    mirrorText(element<HTMLInputElement>("budget"), state.budget);
    mirrorText(element<HTMLInputElement>("tolerance"), state.tolerance);
    mirrorText(element<HTMLInputElement>("otherRates"), state.extraRates);
    mirrorText(element<HTMLTextAreaElement>("setup"), state.setup);
    this.renderUart();
    element("uartClock").textContent = view.clock.text;
    element("partMessages").textContent = [view.part.message, view.oscillator.message,
      view.clock.refusal, view.budget.message, view.tolerance.message].filter((m) => m).join(" ");
    this.renderRates();
    element("ratesMessage").textContent = view.ratesMessage;
    this.renderTable();
    this.renderSetting();
    this.renderClocks();
    this.renderCheck();
  }

  private renderUart(): void {
    const select = element<HTMLSelectElement>("uart");
    const ports = this.answer.view.part.ports;
    if (select.options.length !== ports) {
      select.replaceChildren(...Array.from({ length: ports }, (_, i) => new Option(String(i + 1))));
    }
    select.value = String(this.answer.state.uart);
    select.disabled = ports < 2;
  }

  private renderRates(): void {
    const box = element("standardRates");
    if (box.childElementCount === 0) {
      for (const rate of this.answer.standardRates) {
        const label = document.createElement("label");
        const tick = document.createElement("input");
        tick.type = "checkbox";
        tick.value = String(rate.baud);
        tick.addEventListener("change", () => this.act(this.model.tickRate(rate.baud, tick.checked)));
        label.append(tick, ` ${rate.text}`);
        box.append(label);
      }
    }
    for (const tick of box.querySelectorAll<HTMLInputElement>("input")) {
      tick.checked = this.answer.state.ticked.includes(Number(tick.value));
    }
  }

  private renderTable(): void {
    const { table, setting } = this.answer.view;
    const head = document.createElement("tr");
    head.append(document.createElement("th"));
    for (const mode of table.modes) {
      const th = document.createElement("th");
      th.scope = "col";
      th.textContent = mode;
      head.append(th);
    }
    const rows = table.rows.map((row, r) => {
      const tr = document.createElement("tr");
      const th = document.createElement("th");
      th.scope = "row";
      const rate = document.createElement("button");
      rate.textContent = row.rate;
      rate.setAttribute("aria-label", `${row.rate} baud: the best setting`);
      rate.addEventListener("click", () => this.act(this.model.chooseCell(r, null)));
      th.append(rate);
      tr.append(th);
      row.cells.forEach((cell, c) => {
        const td = document.createElement("td");
        const button = document.createElement("button");
        button.textContent = cell.text;
        button.className = `margin-${cell.margin.replace(/[^a-z]+/g, "-")}${cell.best ? " best" : ""}`;
        button.setAttribute("aria-label", `${row.rate} baud, ${table.modes[c]}: ${cell.text}, ${cell.verdict}`);
        const chosen = setting.shown && setting.row === r && setting.column === c;
        button.setAttribute("aria-pressed", String(chosen));
        button.addEventListener("click", () => this.act(this.model.chooseCell(r, c)));
        td.append(button);
        tr.append(td);
      });
      return tr;
    });
    element("table").replaceChildren(head, ...rows);
    if (table.message !== "") {
      element("tableMessage").textContent = table.message;
    }
  }

  private renderSetting(): void {
    const { setting } = this.answer.view;
    const facts: [string, string][] = setting.shown
      ? [["Setting:", setting.heading],
         ["Registers:", setting.registers.map((r) => `${r.name}  ${r.value}`).join("\n")],
         ["Real rate:", setting.realRate], ["Error:", setting.error],
         ["Bit time:", setting.bitTime], ["Verdict:", setting.verdict]]
      : [];
    element("settingFacts").replaceChildren(...facts.flatMap(([name, value]) => {
      const dt = document.createElement("dt");
      dt.textContent = name;
      const dd = document.createElement("dd");
      dd.textContent = value;
      return [dt, dd];
    }));
    this.chosenForm = Math.min(this.chosenForm, Math.max(0, setting.forms.length - 1));
    element("forms").replaceChildren(...setting.forms.map((form, i) => {
      const tab = document.createElement("button");
      tab.setAttribute("role", "tab");
      tab.textContent = form.name;
      tab.setAttribute("aria-selected", String(i === this.chosenForm));
      tab.addEventListener("click", () => { this.chosenForm = i; this.render(); });
      return tab;
    }));
    const form = setting.forms[this.chosenForm];
    element("code").textContent = form?.text ?? "";
    element("code").setAttribute("aria-label", `${form?.name ?? ""} code`);
    element("copy").setAttribute("aria-label", `Copy the ${form?.name ?? ""} code`);
    (element("copy") as HTMLButtonElement).disabled = form === undefined;
    element<HTMLInputElement>("overrun").checked = this.answer.state.overrunClear;
    element<HTMLInputElement>("program").checked = this.answer.state.wholeProgram;
    element("programOption").hidden = !setting.wholeProgramOffered;
    element("copyMessage").textContent = this.answer.state.copyMessage;
  }

  // The ranking's table, while its view is on show (the model ranks only then).
  private renderClocks(): void {
    if (element("view-clocks").hidden) {
      return;
    }
    const { clocks } = this.answer.view;
    element("clocksHeading").textContent = clocks.heading;
    const head = document.createElement("tr");
    for (const name of ["Clock (MHz)", "Source", "Kind", "Worst", ...clocks.rates.map((r) => `${r} baud`)]) {
      const th = document.createElement("th");
      th.scope = "col";
      th.textContent = name;
      head.append(th);
    }
    this.chosenClock = Math.min(this.chosenClock, Math.max(0, clocks.rows.length - 1));
    const rows = clocks.rows.map((row, i) => {
      const tr = document.createElement("tr");
      tr.tabIndex = 0;
      tr.setAttribute("aria-selected", String(i === this.chosenClock));
      tr.className = row.passes ? "margin-passes" : "margin-fails";
      for (const text of [row.clock, row.name, row.kind, row.worst, ...row.rates]) {
        const td = document.createElement("td");
        td.textContent = text;
        tr.append(td);
      }
      tr.addEventListener("click", () => { this.chosenClock = i; this.renderClocks(); });
      tr.addEventListener("dblclick", () => this.act(this.model.chooseClock(i)));
      tr.addEventListener("keydown", (e) => {
        if (e.key === "Enter") this.act(this.model.chooseClock(i));
      });
      return tr;
    });
    element("clocks").replaceChildren(head, ...rows);
  }

  private renderCheck(): void {
    const { check } = this.answer.view;
    element("checkSummary").textContent = check.problem !== "" ? check.problem : check.summary;
    element("findings").replaceChildren(...check.findings.map((finding, i) => {
      const item = document.createElement("li");
      const button = document.createElement("button");
      button.textContent = finding.text;
      button.addEventListener("click", () => {
        this.act(this.model.chooseFinding(i));
        this.showLine();
      });
      item.append(button);
      return item;
    }));
  }

  // Selects the line of the chosen finding in the pasted setup.
  private showLine(): void {
    const line = this.answer.view.check.shownLine;
    const setup = element<HTMLTextAreaElement>("setup");
    if (line === null) return;
    const lines = setup.value.split("\n");
    const start = lines.slice(0, line - 1).reduce((sum, l) => sum + l.length + 1, 0);
    setup.focus();
    setup.setSelectionRange(start, start + (lines[line - 1]?.length ?? 0));
  }
}

async function main(): Promise<void> {
  try {
    const loading = WorkbenchModel.load();
    // The locale's number format is read while the module compiles, unless read already.
    const separators = pageSeparators();
    new WorkbenchPage(await loading).start(separators);
  } catch (error) {
    showProblem(`The workbench cannot start: ${(error as Error).message}.`);
  }
  reportUncaughtErrors();
  registerServiceWorker();
}

void main();

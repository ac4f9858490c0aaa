// The calculator page: a binding over the calculator window model in WebAssembly. The model
// decides every rule, the focus included; the page turns keys and clicks into its actions, one
// at a time, mirrors its controls and focus, and shows its message boxes as modal dialogs whose
// answer the model waits for.
import { pageSeparators } from "./locale_separators";
import { registerServiceWorker } from "./offline";
import { reportUncaughtErrors, showProblem } from "./problem_line";

interface ControlState {
  name: string;
  text: string;
  enabled: boolean;
  visible: boolean;
  value: number;
}

interface WindowState {
  controls: ControlState[];
  focus: string | null;
}

interface Placement {
  name: string;
  kind: "textbox" | "label" | "button" | "checkbox";
  left: number;
  top: number;
  width: number;
  height: number;
  resultFont: boolean;
  alignment: string;
  border: boolean;
  namedBy: string;
  description: string;
}

interface Layout {
  title: string;
  width: number;
  height: number;
  resultFontPoints: number;
  controls: Placement[];
}

interface CalculatorModule {
  ccall(name: string, returns: "string", types: string[], args: unknown[],
    options?: { async: boolean }): string | Promise<string>;
  showMessageBox?: (window: string, text: string, style: number, title: string) => Promise<number>;
}

declare global {
  interface Window {
    CalculatorModule?: () => Promise<CalculatorModule>;
  }
}

const OK = 1;
const YES = 6;
const NO = 7;
const WARNING_OK = 48;

class CalculatorPage {
  private readonly elements = new Map<string, HTMLElement>();
  private readonly kinds = new Map<string, Placement["kind"]>();
  private state: WindowState = { controls: [], focus: null };
  private queue: Promise<void> = Promise.resolve();

  constructor(private readonly module: CalculatorModule) {}

  start(): void {
    this.module.showMessageBox = (window, text, style, title) => {
      this.show(JSON.parse(window) as WindowState);
      return this.dialog(text, style, title);
    };
    const { group, decimal } = pageSeparators();
    const state = this.module.ccall("calc_start", "string", ["string", "string"], [group, decimal]);
    const layout = JSON.parse(
      this.module.ccall("calc_layout", "string", [], []) as string) as Layout;
    this.build(layout);
    (document.getElementById("window") as HTMLElement).hidden = false;
    this.show(JSON.parse(state as string) as WindowState);
    document.addEventListener("keydown", (e) => this.onKey(e), true);
  }

  // One action after the other: the model may be waiting for a dialog's answer. An action that
  // fails is said in the page's one line; the window goes on with the next.
  private deliver(name: string, types: string[] = [], args: unknown[] = []): Promise<void> {
    this.queue = this.queue.then(async () => {
      try {
        const answer = await this.module.ccall(name, "string", types, args, { async: true });
        this.show(JSON.parse(answer) as WindowState);
      } catch (error) {
        showProblem(`The last action could not be completed: ${(error as Error).message}`);
      }
    });
    return this.queue;
  }

  private build(layout: Layout): void {
    const form = document.getElementById("calculator") as HTMLElement;
    form.style.width = `${layout.width}px`;
    form.style.height = `${layout.height}px`;
    (document.getElementById("title") as HTMLElement).textContent = layout.title;
    document.title = layout.title;
    for (const place of layout.controls) {
      const control = this.create(place);
      control.id = place.name;
      Object.assign(control.style, {
        left: `${place.left}px`, top: `${place.top}px`, width: `${place.width}px`,
        height: `${place.height}px`, textAlign: place.alignment,
      });
      control.classList.add(place.kind);
      if (place.resultFont) control.classList.add("result");
      if (place.border) control.classList.add("bordered");
      this.elements.set(place.name, control);
      this.kinds.set(place.name, place.kind);
      form.append(control);
    }
    // Entry boxes and results are named by their captions, as on the desktop.
    for (const place of layout.controls) {
      const control = this.elements.get(place.name) as HTMLElement;
      if (place.namedBy !== place.name) {
        control.setAttribute("aria-labelledby", place.namedBy);
      }
      if (place.description !== "") {
        control.setAttribute("aria-description", place.description);
      }
    }
  }

  private create(place: Placement): HTMLElement {
    const name = place.name;
    switch (place.kind) {
      case "textbox": {
        const box = document.createElement("input");
        box.type = "text";
        box.autocomplete = "off";
        box.spellcheck = false;
        box.addEventListener("input", () => this.onEdit(name, box));
        this.onPointer(box, name);
        return box;
      }
      case "button": {
        const button = document.createElement("button");
        button.type = "button";
        this.onPointer(button, name);
        return button;
      }
      case "checkbox": {
        const label = document.createElement("label");
        const tick = document.createElement("input");
        tick.type = "checkbox";
        tick.id = `${name}-box`;
        label.append(tick, document.createElement("span"));
        tick.addEventListener("click", (e) => e.preventDefault());  // the model ticks it
        this.onPointer(label, name);
        return label;
      }
      default: {
        const caption = document.createElement("div");
        if (place.border) {
          caption.setAttribute("role", "status");
        }
        return caption;
      }
    }
  }

  private onPointer(control: HTMLElement, name: string): void {
    control.addEventListener("mousedown", (e) => {
      if (e.button !== 0) return;
      const box = control instanceof HTMLInputElement && this.state.focus === name;
      if (!box) e.preventDefault();  // the model moves the focus, not the browser
      void this.deliver("calc_mouse_down", ["string"], [name]);
    });
    control.addEventListener("mouseup", (e) => {
      if (e.button === 0) void this.deliver("calc_mouse_up", ["string"], [name]);
    });
  }

  private focusedControl(): HTMLElement | null {
    return this.state.focus === null ? null : this.elements.get(this.state.focus) ?? null;
  }

  private onKey(event: KeyboardEvent): void {
    if (document.querySelector("dialog[open]") !== null || event.ctrlKey || event.altKey ||
        event.metaKey) {
      return;
    }
    const focus = this.state.focus;
    const textBox = focus !== null && this.kinds.get(focus) === "textbox";
    if (event.key === "Tab") {
      event.preventDefault();
      void this.deliver("calc_tab", ["number"], [event.shiftKey ? 1 : 0]);
    } else if (event.key === "Enter") {
      event.preventDefault();
      void this.deliver("calc_enter");
    } else if (!textBox) {
      if (event.key === " ") {
        event.preventDefault();
        void this.deliver("calc_space");
      }
    } else if (event.key === "Backspace" || event.key.length === 1) {
      // The key press first; the box edits its own text only while the model keeps the focus
      // in it.
      event.preventDefault();
      const box = this.focusedControl() as HTMLInputElement;
      const key = event.key;
      void this.deliver("calc_key_press", ["number"], [key === "Backspace" ? 8 : key.charCodeAt(0)])
        .then(() => {
          if (this.state.focus === focus) {
            this.typeInto(box, key);
            return this.deliver("calc_edit", ["string"], [box.value]);
          }
          return undefined;
        });
    }
  }

  // A key's edit of the box's text at its cursor, as a text box makes it.
  private typeInto(box: HTMLInputElement, key: string): void {
    const start = box.selectionStart ?? box.value.length;
    const end = box.selectionEnd ?? start;
    if (key === "Backspace") {
      const from = start === end ? Math.max(0, start - 1) : start;
      box.setRangeText("", from, end, "end");
    } else {
      box.setRangeText(key, start, end, "end");
    }
  }

  // Paste, cut and delete: the box's whole new text.
  private onEdit(name: string, box: HTMLInputElement): void {
    if (this.state.focus !== name) {
      this.show(this.state);
      return;
    }
    void this.deliver("calc_edit", ["string"], [box.value]);
  }

  private show(state: WindowState): void {
    this.state = state;
    for (const control of state.controls) {
      const element = this.elements.get(control.name);
      if (element === undefined) continue;
      element.hidden = !control.visible;
      const kind = this.kinds.get(control.name);
      if (element instanceof HTMLInputElement) {
        if (element.value !== control.text) element.value = control.text;
        element.disabled = !control.enabled;
      } else if (element instanceof HTMLButtonElement) {
        element.textContent = control.text;
        element.disabled = !control.enabled;
      } else if (kind === "checkbox") {
        const tick = element.querySelector("input") as HTMLInputElement;
        tick.checked = control.value === 1;
        tick.disabled = !control.enabled;
        (element.querySelector("span") as HTMLElement).textContent = control.text;
      } else {
        element.textContent = control.text;
      }
    }
    const focused = this.focusedControl();
    const target = focused?.querySelector("input") ?? focused;
    if (target !== null && document.activeElement !== target) {
      target.focus();
    }
  }

  // The model's message box as a modal dialog with its title, text and buttons.
  private dialog(text: string, style: number, title: string): Promise<number> {
    const dialog = document.getElementById("messageBox") as HTMLDialogElement;
    (dialog.querySelector("h2") as HTMLElement).textContent = title;
    (dialog.querySelector("p") as HTMLElement).textContent = text.replace(/\r\n?/g, "\n");
    dialog.className = style === WARNING_OK ? "warning" : "question";
    const buttons = dialog.querySelector(".buttons") as HTMLElement;
    const choices: [string, number][] = style === WARNING_OK ? [["OK", OK]] : [["Yes", YES], ["No", NO]];
    return new Promise((resolve) => {
      buttons.replaceChildren(...choices.map(([caption, answer]) => {
        const button = document.createElement("button");
        button.type = "button";
        button.textContent = caption;
        button.addEventListener("click", () => { dialog.close(); resolve(answer); });
        return button;
      }));
      dialog.addEventListener("cancel", (e) => e.preventDefault(), { once: true });
      dialog.showModal();
      (buttons.firstElementChild as HTMLElement).focus();
    });
  }
}

async function main(): Promise<void> {
  try {
    if (typeof WebAssembly !== "object" || window.CalculatorModule === undefined) {
      throw new Error("this browser cannot run the calculator's WebAssembly");
    }
    new CalculatorPage(await window.CalculatorModule()).start();
  } catch (error) {
    showProblem(`The calculator cannot start: ${(error as Error).message}.`);
  }
  reportUncaughtErrors();
  registerServiceWorker();
}

void main();

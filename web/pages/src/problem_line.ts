// The page's one line for what went wrong: the page cannot start, or an action failed. After a
// failed action the page goes on with the next.
export function showProblem(text: string): void {
  const problem = document.getElementById("problem") as HTMLElement;
  problem.textContent = text;
  problem.hidden = false;
}

// An error that no handler caught, as the desktop says an unexpected failure.
export function reportUncaughtErrors(): void {
  window.addEventListener("error", (event) => {
    showProblem(`The last action could not be completed: ${event.message}`);
  });
}

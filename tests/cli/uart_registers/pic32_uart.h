/* PIC32 UART registers as the PIC32 Family Reference Manual, Section 21 (DS61107) lays them
   out: UxMODE (STSEL 0, PDSEL 2:1, BRGH 3, RXINV 4, ABAUD 5, LPBACK 6, WAKE 7, UEN 9:8, RTSMD
   11, IREN 12, SIDL 13, FRZ 14, ON 15), UxSTA (URXDA 0 ... UTXEN 10, UTXBRK 11, URXEN 12, UTXINV
   13, UTXISEL 15:14, ADDR 23:16, ADM_EN 24), UxBRG. Bit fields fill from the least significant
   bit, as in XC32. */
typedef union {
  struct { unsigned STSEL : 1; unsigned PDSEL : 2; unsigned BRGH : 1; unsigned RXINV : 1; unsigned ABAUD : 1;
           unsigned LPBACK : 1; unsigned WAKE : 1; unsigned UEN : 2; unsigned : 1; unsigned RTSMD : 1;
           unsigned IREN : 1; unsigned SIDL : 1; unsigned FRZ : 1; unsigned ON : 1; unsigned : 16; } bits;
  unsigned int value;
} UxMODE_t;
typedef union {
  struct { unsigned URXDA : 1; unsigned OERR : 1; unsigned FERR : 1; unsigned PERR : 1; unsigned RIDLE : 1;
           unsigned ADDEN : 1; unsigned URXISEL : 2; unsigned TRMT : 1; unsigned UTXBF : 1; unsigned UTXEN : 1;
           unsigned UTXBRK : 1; unsigned URXEN : 1; unsigned UTXINV : 1; unsigned UTXISEL : 2; unsigned ADDR : 8;
           unsigned ADM_EN : 1; unsigned : 7; } bits;
  unsigned int value;
} UxSTA_t;
#define UART_REGISTERS(u) UxMODE_t u##MODE_r; UxSTA_t u##STA_r; volatile unsigned int u##BRG;
UART_REGISTERS(U1) UART_REGISTERS(U2)
#define U1MODE U1MODE_r.value
#define U1STA U1STA_r.value
#define U2MODE U2MODE_r.value
#define U2STA U2STA_r.value
#define REPORT(u)                                                                              \
  printf("BRGH=%u ON=%u UTXEN=%u URXEN=%u PDSEL=%u BRG=%u\n", u##MODE_r.bits.BRGH,             \
         u##MODE_r.bits.ON, u##STA_r.bits.UTXEN, u##STA_r.bits.URXEN, u##MODE_r.bits.PDSEL,      \
         (unsigned)u##BRG)

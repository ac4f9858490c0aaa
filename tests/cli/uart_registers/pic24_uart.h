/* PIC24F UART registers as DS39881 (PIC24FJ64GA004 family) lays them out: UxMODE (Register
   17-1: STSEL 0, PDSEL 2:1, BRGH 3, RXINV 4, ABAUD 5, LPBACK 6, WAKE 7, UEN 9:8, RTSMD 11, IREN
   12, USIDL 13, UARTEN 15), UxSTA (Register 17-2: URXDA 0 ... UTXEN 10, UTXBRK 11, UTXINV 14),
   UxBRG. Bit fields fill from the least significant bit, as in XC16. */
typedef union {
  struct { unsigned STSEL : 1; unsigned PDSEL : 2; unsigned BRGH : 1; unsigned RXINV : 1; unsigned ABAUD : 1;
           unsigned LPBACK : 1; unsigned WAKE : 1; unsigned UEN : 2; unsigned : 1; unsigned RTSMD : 1;
           unsigned IREN : 1; unsigned USIDL : 1; unsigned : 1; unsigned UARTEN : 1; } bits;
  unsigned short value;
} UxMODE_t;
typedef union {
  struct { unsigned URXDA : 1; unsigned OERR : 1; unsigned FERR : 1; unsigned PERR : 1; unsigned RIDLE : 1;
           unsigned ADDEN : 1; unsigned URXISEL : 2; unsigned TRMT : 1; unsigned UTXBF : 1; unsigned UTXEN : 1;
           unsigned UTXBRK : 1; unsigned : 1; unsigned UTXISEL0 : 1; unsigned UTXINV : 1; unsigned UTXISEL1 : 1; } bits;
  unsigned short value;
} UxSTA_t;
#define UART_REGISTERS(u) UxMODE_t u##MODE_r; UxSTA_t u##STA_r; volatile unsigned short u##BRG;
UART_REGISTERS(U1) UART_REGISTERS(U2)
#define U1MODE U1MODE_r.value
#define U1STA U1STA_r.value
#define U2MODE U2MODE_r.value
#define U2STA U2STA_r.value
#define REPORT(u)                                                                              \
  printf("BRGH=%u UARTEN=%u UTXEN=%u PDSEL=%u STSEL=%u BRG=%u\n", u##MODE_r.bits.BRGH,        \
         u##MODE_r.bits.UARTEN, u##STA_r.bits.UTXEN, u##MODE_r.bits.PDSEL, u##MODE_r.bits.STSEL, \
         (unsigned)u##BRG)

        list    p=16f1829
        #include <p16f1829.inc>

; 32 MHz (HFINTOSC + 4x PLL)
eusart_init
        movlb   3               ; EUSART registers are in bank 3
        movlw   d'68'           ; 115200 baud -> 115942 (+0.64%)
        movwf   SPBRGL
        clrf    SPBRGH
        bsf     BAUDCON, BRG16
        movlw   b'00100100'     ; TXEN, BRGH
        movwf   TXSTA
        movlw   b'10010000'     ; SPEN, CREN
        movwf   RCSTA
        movlb   0
        return
